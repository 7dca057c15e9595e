#include <gtest/gtest.h>

#include <vector>

#include "RandomBytes.h"
#include "TestFolder.h"
#include "core/PathText.h"
#include "core/QuarantineCipher.h"
#include "platform/FileSystem.h"
#include "platform/Handles.h"
#include "quarantine/QuarantineRows.h"
#include "quarantine/QuarantineStore.h"

namespace {

std::string RandomText(size_t n, unsigned seed)
{
    const std::vector<uint8_t> bytes = RandomBytes(n, seed);
    return std::string(bytes.begin(), bytes.end());
}

std::string Content(const std::string& path)
{
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes))
        return "<unreadable>";
    return std::string(bytes.begin(), bytes.end());
}

// Holds a file open without sharing, as another program might.
UniqueHandle HoldOpen(const std::string& path)
{
    return UniqueHandle(
        CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
}

// The program folder is the test's own folder; sources live in "src" inside it.
struct Quarantine : ::testing::Test {
    TestFolder folder;
    QuarantineStore store{folder.Path()};

    std::string Source(const std::string& relative, const std::string& content)
    {
        const std::string path = folder / ("src\\" + relative);
        for (size_t at = path.find('\\', folder.Path().size() + 1); at != std::string::npos;
             at = path.find('\\', at + 1))
            CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
        return folder.Write("src\\" + relative, content);
    }
};

} // namespace

TEST_F(Quarantine, FilesOfEveryLengthRoundTripByteForByte)
{
    for (size_t n : {0, 1, 7, 13, 4096 + 3}) {
        const std::string content = RandomText(n, static_cast<unsigned>(n));
        const std::string path = Source("f" + std::to_string(n) + ".bin", content);
        ASSERT_TRUE(QuarantineAdd(store, path, "Trojan.Test", "0af0")) << n;
        EXPECT_EQ(Content(path), content) << "the source stays";
        const TQFileList entry = store.QuarantineList.back();
        EXPECT_EQ(entry.FileName, path);
        EXPECT_EQ(entry.StoredName, store.StoreFolder() + "\\f" + std::to_string(n) + ".bin");
        EXPECT_EQ(entry.Task, "Trojan.Test");
        EXPECT_EQ(entry.Checksum, "0af0");
        EXPECT_NE(entry.Added.find(", "), std::string::npos);
        const std::string stored = Content(entry.StoredName);
        EXPECT_EQ(stored.size(), n);
        if (n >= 8) {
            EXPECT_NE(stored, content);
        }

        ASSERT_TRUE(DeleteFileA(path.c_str()));
        ASSERT_TRUE(QuarantineRestore(store, path, FolderPart(path))) << n;
        EXPECT_EQ(Content(path), content) << n;
        EXPECT_EQ(GetFileAttributesA(entry.StoredName.c_str()), INVALID_FILE_ATTRIBUTES);
        EXPECT_FALSE(QuarantineContains(store, path));
    }
    QuarantineStore reread(folder.Path());
    ASSERT_TRUE(LoadQuarantineIndex(reread, store.IndexFile()));
    EXPECT_TRUE(reread.QuarantineList.empty());
}

TEST_F(Quarantine, APathDifferingOnlyInCaseIsAlreadyPresent)
{
    const std::string path = Source("x.exe", "MZ");
    std::string lower = path, upper = path;
    CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    ASSERT_TRUE(QuarantineAdd(store, lower, "W", ""));
    EXPECT_TRUE(QuarantineContains(store, upper));
    EXPECT_FALSE(QuarantineAdd(store, upper, "W", ""));
    EXPECT_EQ(store.QuarantineList.size(), 1u);
    QuarantineStore reread(folder.Path());
    EXPECT_FALSE(QuarantineAdd(reread, upper, "W", "")) << "a fresh run reads the index first";
}

TEST_F(Quarantine, RestoreRecreatesAFolderChainThatIsGone)
{
    const std::string path = Source("gone\\deeper\\f.txt", "keep me");
    ASSERT_TRUE(QuarantineAdd(store, path, "W", ""));
    std::filesystem::remove_all(folder / "src\\gone");
    ASSERT_TRUE(QuarantineRestore(store, path, FolderPart(path)));
    EXPECT_EQ(Content(path), "keep me");
}

TEST_F(Quarantine, AFailedRestoreLeavesItsCopyAndTheNextRowRestoresItsOwn)
{
    const std::string first = Source("first.txt", "first content");
    const std::string second = Source("second.txt", "second content");
    ASSERT_TRUE(QuarantineAdd(store, first, "W", ""));
    ASSERT_TRUE(QuarantineAdd(store, second, "W", ""));
    ASSERT_TRUE(DeleteFileA(second.c_str()));
    const std::string firstStored = store.QuarantineList[0].StoredName;
    const std::string storedBefore = Content(firstStored);

    std::vector<std::pair<int, RowStep>> steps;
    std::vector<std::string> names;
    {
        UniqueHandle held = HoldOpen(first);
        ASSERT_TRUE(held.Valid());
        RestoreCheckedRows(store, {true, true}, [&](int row, const TQFileList& entry, RowStep step) {
            steps.emplace_back(row, step);
            names.push_back(entry.FileName);
        });
    }
    const std::vector<std::pair<int, RowStep>> expected = {
        {0, RowStep::Started}, {0, RowStep::Failed}, {1, RowStep::Started}, {1, RowStep::Succeeded}};
    EXPECT_EQ(steps, expected);
    EXPECT_EQ(names, (std::vector<std::string>{first, first, second, second}));
    EXPECT_EQ(Content(second), "second content");
    EXPECT_EQ(Content(first), "first content") << "the held file is untouched";
    EXPECT_EQ(Content(firstStored), storedBefore) << "the stored copy keeps its stored form";
    ASSERT_EQ(store.QuarantineList.size(), 1u);
    EXPECT_EQ(store.QuarantineList[0].FileName, first);

    ASSERT_TRUE(DeleteFileA(first.c_str()));
    ASSERT_TRUE(QuarantineRestore(store, first, FolderPart(first)));
    EXPECT_EQ(Content(first), "first content");
}

TEST_F(Quarantine, TwoSourcesWithTheSameNameBothComeBack)
{
    const std::string one = Source("one\\same.dat", "from one");
    const std::string two = Source("two\\same.dat", "from two, longer");
    ASSERT_TRUE(QuarantineAdd(store, one, "W", ""));
    ASSERT_TRUE(QuarantineAdd(store, two, "W", ""));
    EXPECT_EQ(FileNamePart(store.QuarantineList[0].StoredName), "same.dat");
    EXPECT_EQ(FileNamePart(store.QuarantineList[1].StoredName), "same (2).dat");
    ASSERT_TRUE(DeleteFileA(one.c_str()) && DeleteFileA(two.c_str()));

    // The order of restores does not matter: each reads its own StoredName.
    ASSERT_TRUE(QuarantineRestore(store, two, FolderPart(two)));
    ASSERT_TRUE(QuarantineRestore(store, one, FolderPart(one)));
    EXPECT_EQ(Content(one), "from one");
    EXPECT_EQ(Content(two), "from two, longer");
}

TEST_F(Quarantine, TheIndexReadsBackInANewRun)
{
    const std::string a = Source("a.exe", "aaa");
    const std::string b = Source("b.exe", "bbb");
    ASSERT_TRUE(QuarantineAdd(store, a, "Trojan.A", "11"));
    ASSERT_TRUE(QuarantineAdd(store, b, "Unknown", ""));
    const std::string text = Content(store.IndexFile());
    EXPECT_EQ(text.substr(0, a.size() + 2), a + "\r\n");

    QuarantineStore reread(folder.Path());
    ASSERT_TRUE(LoadQuarantineIndex(reread, reread.IndexFile()));
    ASSERT_EQ(reread.QuarantineList.size(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const TQFileList &was = store.QuarantineList[i], &is = reread.QuarantineList[i];
        EXPECT_EQ(is.FileName, was.FileName);
        EXPECT_EQ(is.StoredName, was.StoredName);
        EXPECT_EQ(is.Task, was.Task);
        EXPECT_EQ(is.Added, was.Added);
        EXPECT_EQ(is.Checksum, was.Checksum);
    }
    EXPECT_EQ(GetFileAttributesA((reread.IndexFile() + ".new").c_str()), INVALID_FILE_ATTRIBUTES);
}

// An index from before stored copies got unique names, written when the program lay
// in another folder: the copy is found by its name in today's store folder.
TEST_F(Quarantine, ReadsAnIndexWrittenTheOldWay)
{
    const std::string path = folder / "src\\old.bin";
    const std::string content = RandomText(1001, 9);
    std::string stored = content;
    QuarantineCipher().Inverse(reinterpret_cast<uint8_t*>(stored.data()), stored.size());
    CreateDirectoryA(store.StoreFolder().c_str(), nullptr);
    folder.Write("Quarantine\\old.bin", stored);
    folder.Write("Quarantine.info", path +
                                        "\r\nC:\\Old Place\\Quarantine\\old.bin\r\nWorm.Old\r\n1/2/2008, 10:11:12\r\n"
                                        "d41d8cd98f00b204e9800998ecf8427e\r\n");

    EXPECT_TRUE(QuarantineContains(store, path));
    ASSERT_TRUE(QuarantineRestore(store, path, FolderPart(path)));
    EXPECT_EQ(Content(path), content);
    EXPECT_EQ(GetFileAttributesA((folder / "Quarantine\\old.bin").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Quarantine, AFailedAddLeavesNothingBehind)
{
    const std::string held = Source("held.exe", "locked away");
    const std::string readable = Source("readable.exe", "fine");
    // A folder where the new index would be written makes saving the index fail
    // after the copy was stored.
    ASSERT_TRUE(CreateDirectoryA((store.IndexFile() + ".new").c_str(), nullptr));
    struct Case {
        const char* what;
        std::string path;
    } cases[] = {{"a missing file", folder / "src\\missing.exe"},
                 {"a file held without sharing", held},
                 {"a folder", folder / "src"},
                 {"an index that cannot be saved", readable}};
    UniqueHandle hold = HoldOpen(held);
    ASSERT_TRUE(hold.Valid());
    for (const Case& c : cases) {
        EXPECT_FALSE(QuarantineAdd(store, c.path, "W", "")) << c.what;
        EXPECT_TRUE(store.QuarantineList.empty()) << c.what;
        EXPECT_FALSE(FindFiles(store.StoreFolder() + "\\*.exe").Valid()) << c.what;
        EXPECT_EQ(GetFileAttributesA(store.IndexFile().c_str()), INVALID_FILE_ATTRIBUTES) << c.what;
    }
    hold.Reset();
    EXPECT_EQ(Content(held), "locked away");
    EXPECT_EQ(Content(readable), "fine");
}

TEST_F(Quarantine, AnIndexThatCannotBeReadIsNeverSavedOver)
{
    const std::string first = Source("first.exe", "1");
    ASSERT_TRUE(QuarantineAdd(store, first, "W", ""));
    const std::string index = Content(store.IndexFile());
    QuarantineStore later(folder.Path());
    {
        UniqueHandle held = HoldOpen(store.IndexFile());
        ASSERT_TRUE(held.Valid());
        EXPECT_FALSE(QuarantineAdd(later, Source("second.exe", "2"), "W", ""));
    }
    EXPECT_EQ(Content(store.IndexFile()), index);
}

TEST_F(Quarantine, RemoveAndClearDeleteOnlyListedCopies)
{
    const std::string a = Source("a.exe", "aaa");
    const std::string b = Source("b.exe", "bbb");
    const std::string c = Source("c.exe", "ccc");
    for (const std::string& path : {a, b, c})
        ASSERT_TRUE(QuarantineAdd(store, path, "W", ""));
    const std::string aStored = store.QuarantineList[0].StoredName;
    const std::string unlisted = folder.Write("Quarantine\\stray.bin", "not ours");

    // Checked rows 0 and 2: the second is found although row 0's entry left first.
    std::vector<std::string> removed;
    ASSERT_TRUE(RemoveCheckedRows(store, {true, false, true}, [&](int, const TQFileList& e, RowStep step) {
        if (step == RowStep::Succeeded)
            removed.push_back(e.FileName);
    }));
    EXPECT_EQ(removed, (std::vector<std::string>{a, c}));
    EXPECT_EQ(GetFileAttributesA(aStored.c_str()), INVALID_FILE_ATTRIBUTES);
    QuarantineStore reread(folder.Path());
    ASSERT_TRUE(LoadQuarantineIndex(reread, reread.IndexFile()));
    ASSERT_EQ(reread.QuarantineList.size(), 1u);
    EXPECT_EQ(reread.QuarantineList[0].FileName, b);
    EXPECT_FALSE(QuarantineRemove(store, a)) << "no longer listed";

    const std::string bStored = store.QuarantineList[0].StoredName;
    ASSERT_EQ(RefreshQuarantineList(store).size(), 1u);
    EXPECT_TRUE(ClearQuarantine(store));
    EXPECT_TRUE(RefreshQuarantineList(store).empty());
    EXPECT_TRUE(store.QuarantineList.empty());
    EXPECT_EQ(GetFileAttributesA(bStored.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(store.IndexFile().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Content(unlisted), "not ours");
    for (const std::string& path : {a, b, c})
        EXPECT_NE(Content(path), "<unreadable>") << "sources are never touched";
    folder.Write("Quarantine.info", "");
    EXPECT_TRUE(RefreshQuarantineList(store).empty()) << "an index without entries";
}

// A stored copy that another program holds without delete sharing cannot go; the
// restore gives up after a bounded number of tries, and later adds steer clear of it.
TEST_F(Quarantine, ALockedStoredCopyDoesNotStopTheRestore)
{
    const std::string path = Source("x.exe", "payload");
    ASSERT_TRUE(QuarantineAdd(store, path, "W", ""));
    const std::string stored = store.QuarantineList[0].StoredName;
    ASSERT_TRUE(DeleteFileA(path.c_str()));
    {
        UniqueHandle reader(CreateFileA(stored.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(reader.Valid());
        ASSERT_TRUE(QuarantineRestore(store, path, FolderPart(path)));
    }
    EXPECT_EQ(Content(path), "payload");
    EXPECT_TRUE(store.QuarantineList.empty());
    EXPECT_NE(GetFileAttributesA(stored.c_str()), INVALID_FILE_ATTRIBUTES) << "left behind, unlisted";

    ASSERT_TRUE(QuarantineAdd(store, path, "W", ""));
    EXPECT_EQ(FileNamePart(store.QuarantineList[0].StoredName), "x (2).exe");
}
