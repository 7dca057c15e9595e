#include <gtest/gtest.h>

#include <sstream>

#include "ConsoleScanFiles.h"
#include "IgnoreCommands.h"
#include "Md5Of.h"
#include "TestFolder.h"
#include "core/HashSignatures.h"

namespace {

struct Console {
    std::ostringstream out, err;
    int Ignore(const std::vector<std::string>& args, const std::string& folder)
    {
        out.str("");
        err.str("");
        return RunIgnoreCommand(args, folder, out, err);
    }
    int ScanFiles(const std::vector<std::string>& args, const std::string& folder)
    {
        out.str("");
        err.str("");
        return ConsoleScanFiles(args, folder, out, err);
    }
};

std::string Md5TextOf(const std::string& body)
{
    return Md5Text(Md5Of(body.data(), body.size()));
}

} // namespace

TEST(IgnoreCommands, AddListAndRemoveEntries)
{
    TestFolder program;
    const std::string folder = program.Path() + "\\";
    const std::string md5 = Md5TextOf("anything");
    Console c;
    ASSERT_EQ(c.Ignore({"add", program / "tools\\keep.exe"}, folder), 0) << c.err.str();
    EXPECT_EQ(c.out.str(), "added to the ignore list: " + (program / "tools\\keep.exe") + "\n");
    ASSERT_EQ(c.Ignore({"add-md5", md5, "Tro.Fake"}, folder), 0) << c.err.str();
    ASSERT_EQ(c.Ignore({"add", program.Path() + "\\dir\\", "Folder.X"}, folder), 0) << c.err.str();
    ASSERT_EQ(c.Ignore({"list"}, folder), 0);
    EXPECT_EQ(c.out.str(), "1\t" + (program / "tools\\keep.exe") + "\tuser\n2\t" + md5 + "\tTro.Fake\n3\t" +
                               (program / "dir") + "\tFolder.X\n");
    ASSERT_EQ(c.Ignore({"remove", "2"}, folder), 0) << c.err.str();
    EXPECT_EQ(FileText(program / "Ignore.dat"),
              (program / "tools\\keep.exe") + "|user\r\n" + (program / "dir") + "|Folder.X\r\n");

    const std::string before = FileText(program / "Ignore.dat");
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"remove", "3"}, {"remove", "x"}, {"add-md5", "12345", "Short"}, {"bogus"}, {}}) {
        EXPECT_EQ(c.Ignore(bad, folder), 2);
        EXPECT_EQ(FileText(program / "Ignore.dat"), before);
    }
}

TEST(IgnoreCommands, ADamagedListIsReportedIgnoresNothingAndIsNeverRewritten)
{
    TestFolder program; // the program folder; the files to scan in its "files" folder
    const std::string folder = program.Path() + "\\";
    const std::string body = "a detection the user knows to be harmless";
    HashSignatures signatures;
    std::string error;
    ASSERT_TRUE(signatures.Parse(Md5TextOf(body) + ":" + std::to_string(body.size()) + ":Test.Fp\n", error));
    const std::vector<uint8_t> bytes = PackHashSignatures(signatures);
    program.Write("hashes.dat", std::string(bytes.begin(), bytes.end()));
    CreateDirectoryA((program / "files").c_str(), nullptr);
    const std::string files = program / "files";
    const std::string byMd5 = program.Write("files\\by-md5.exe", body);
    const std::string byPathToo = program.Write("files\\by-path.dll", body);

    Console c;
    ASSERT_EQ(c.Ignore({"add-md5", Md5TextOf(body), "Test.Fp"}, folder), 0);
    Console scan;
    EXPECT_EQ(scan.ScanFiles({files}, folder), 0) << scan.out.str();
    EXPECT_NE(scan.out.str().find(byMd5 + ": on the ignore list, passed over (Test.Fp)\n"), std::string::npos)
        << scan.out.str();
    ASSERT_EQ(c.Ignore({"remove", "1"}, folder), 0);
    ASSERT_EQ(c.Ignore({"add", byPathToo}, folder), 0);
    EXPECT_EQ(scan.ScanFiles({files}, folder), 1);
    EXPECT_EQ(scan.out.str().find(byPathToo + ": Test.Fp"), std::string::npos) << scan.out.str();
    EXPECT_NE(scan.out.str().find(byMd5 + ": Test.Fp\n"), std::string::npos) << scan.out.str();

    const std::string damaged = FileText(program / "Ignore.dat") + "garbage without a bar\r\n";
    program.Write("Ignore.dat", damaged);
    EXPECT_EQ(scan.ScanFiles({files}, folder), 1);
    EXPECT_NE(scan.err.str().find("The ignore list cannot be read, so it ignores nothing: " + (program / "Ignore.dat") +
                                  " (line 2: "),
              std::string::npos)
        << scan.err.str();
    EXPECT_NE(scan.out.str().find(byPathToo + ": Test.Fp\n"), std::string::npos) << scan.out.str();
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"add", byMd5}, {"remove", "1"}, {"list"}, {"add-md5", Md5TextOf(body), "X"}}) {
        EXPECT_EQ(c.Ignore(args, folder), 2);
        EXPECT_NE(c.err.str().find("the ignore list cannot be read, so it is left as it is"), std::string::npos);
        EXPECT_EQ(FileText(program / "Ignore.dat"), damaged);
    }
}
