#include <gtest/gtest.h>

#include "core/SignatureRecord.h"

namespace {

std::optional<std::string> FakeFolder(const FolderRef& ref)
{
    return ref.source == FolderSource::SpecialFolder ? "C:\\csidl" + std::to_string(ref.csidl) : "C:\\other";
}

const char* KindText(RecordKind kind)
{
    switch (kind) {
    case RecordKind::Nothing:
        return "nothing";
    case RecordKind::FingerprintOnly:
        return "fingerprint";
    case RecordKind::Folder:
        return "folder";
    case RecordKind::File:
        return "file";
    }
    return "?";
}

} // namespace

TEST(SignatureRecord, ParsesEveryFormIntoItsFields)
{
    const char* md5 = "0123456789abcdef0123456789abcdef";
    struct Case {
        std::string line, root;
        const char *kind, *md5, *name, *file, *folder;
        bool noRunningCopy;
    };
    const Case cases[] = {
        {"[Bad.A]:evil.sys", "C:\\W\\system32\\drivers\\", "file", "", "Bad.A", "evil.sys",
         "C:\\W\\system32\\drivers\\", false},
        {"[Bad.A]:evil.sys   ", "C:\\W   ", "file", "", "Bad.A", "evil.sys", "C:\\W", false},
        {"[Bare]:bare.exe", "", "file", "", "Bare", "bare.exe", "", false},
        {"/" + std::string(md5) + "/[Fp]:a.exe", "C:\\W", "file", md5, "Fp", "a.exe", "C:\\W", false},
        {"/" + std::string(md5) + "/[Fp]::", "C:\\W", "fingerprint", md5, "Fp", "", "", false},
        {"/0/[Zero]:a.exe", "C:\\W", "file", "", "Zero", "a.exe", "C:\\W", true},
        {"[Zero]/0/:a.exe", "C:\\W", "file", "", "Zero", "a.exe", "C:\\W", true},
        {"/0/[Zero]::", "C:\\W", "nothing", "", "Zero", "", "", true},
        {"[NoPrint]::", "C:\\W", "nothing", "", "NoPrint", "", "", false},
        {"[]:xyz.dll", "C:\\W", "file", "", "Sys32.xyz", "xyz.dll", "C:\\W", false},
        {":sub\\xyz.dll", "C:\\W", "file", "", "Sys32.xyz", "sub\\xyz.dll", "C:\\W", false},
        {"[]:sub\\xyz", "C:\\W", "file", "", "Sys32.sub\\xyz", "sub\\xyz", "C:\\W", false},
        {"[]:a.b\\xyz", "C:\\W", "file", "", "Sys32.a", "a.b\\xyz", "C:\\W", false},
        {"[Dir]:evil\\\\", "C:\\W", "folder", "", "Dir", "", "C:\\W\\evil", false},
        {"[]:evil\\sub.d\\\\", "C:\\W\\", "folder", "", "Sys32.sub", "", "C:\\W\\evil\\sub.d", false},
        {"[Dir]:evil\\", "C:\\W", "folder", "", "Dir", "", "C:\\W\\evil", false},
        {"[Dir]:C:\\evil\\\\", "", "folder", "", "Dir", "", "C:\\evil", false},
        {"[Lock:Keep]:a.exe", "C:\\W", "file", "", "Lock:Keep", "a.exe", "C:\\W", false},
        {"[Pf]:%%af%%\\evil.exe", "", "file", "", "Pf", "C:\\csidl26\\evil.exe", "", false},
        {"[Pf]:%%af%%\\evil\\\\", "", "folder", "", "Pf", "", "C:\\csidl26\\evil", false},
        {"[Pf]:x.exe", "%%root%%\\w", "file", "", "Pf", "x.exe", "C:\\other\\w", false},
        {"[Pat]:ms??a?d?.exe", "C:\\W", "file", "", "Pat", "ms??a?d?.exe", "C:\\W", false},
        // Lines that name nothing: no candidate may come of them.
        {"[Root]:\\\\", "C:\\W", "nothing", "", "Root", "", "", false},
        {"[Root]:", "C:\\W", "nothing", "", "Root", "", "", false},
        {"[Up]:..\\\\", "C:\\W", "nothing", "", "Up", "", "", false},
        {"[Pf]:%%af%%\\\\", "", "nothing", "", "Pf", "", "", false},
        {"[Drive]:C:\\\\", "", "nothing", "", "Drive", "", "", false},
        {"no colon at all", "C:\\W", "nothing", "", "", "", "", false},
        {"/unclosed[X]:a.exe", "C:\\W", "file", "", "X", "a.exe", "C:\\W", false},
        {"", "C:\\W", "nothing", "", "", "", "", false},
    };
    for (const Case& c : cases) {
        const SignatureRecord record = ParseRecord(c.line, c.root, FakeFolder);
        EXPECT_STREQ(KindText(record.Kind), c.kind) << c.line;
        EXPECT_EQ(record.Md5, c.md5) << c.line;
        EXPECT_EQ(record.Name, c.name) << c.line;
        EXPECT_EQ(record.File, c.file) << c.line;
        EXPECT_EQ(record.Folder, c.folder) << c.line;
        EXPECT_EQ(record.NoRunningCopy, c.noRunningCopy) << c.line;
    }
}

TEST(SignatureRecord, WithoutALookupPlaceholdersStayAsWritten)
{
    EXPECT_EQ(ParseRecord("[X]:%%af%%\\a.exe", "").File, "%%af%%\\a.exe");
}
