#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

#include "SourcePath.h"
#include "core/DatabaseLines.h"
#include "core/DatabaseText.h"
#include "core/PathText.h"
#include "core/SignatureRecord.h"
#include "pyrafix-db/DatabaseSource.h"

namespace {

std::string SignatureSourcePath()
{
    return SourcePath("data/signatures.txt");
}

bool IsMd5Text(const std::string& text)
{
    return text.size() == 32 && text.find_first_not_of("0123456789abcdef") == std::string::npos;
}

} // namespace

// The shipped database must parse record by record, and between them its records
// must use every form of the grammar, so that it is a test of it as well.
TEST(ShippedDatabase, EveryLineIsAValidRecordAndEveryFormIsUsed)
{
    std::ifstream in(SignatureSourcePath(), std::ios::binary);
    ASSERT_TRUE(in) << SignatureSourcePath();
    const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string text, error;
    ASSERT_TRUE(BuildDatabaseText(source, text, error)) << error;

    MemoryStream stream(text);
    DatabaseDate(stream, "");
    RecordRoots roots(RootFolders{"C:\\W", "C:\\W\\system32", "C:\\Program Files"});
    std::set<std::string> used;
    int records = 0;
    for (std::string line = ReadDatabaseLine(stream);; line = ReadDatabaseLine(stream)) {
        const LineKind kind = roots.Feed(line);
        if (kind == LineKind::End)
            break;
        if (kind == LineKind::Root) {
            used.insert(line.substr(0, line.find(']') + 1));
            continue;
        }
        ++records;
        const SignatureRecord record = ParseRecord(line, roots.Root());
        EXPECT_NE(record.Kind, RecordKind::Nothing) << line;
        EXPECT_EQ(line[0] == '/' || line[0] == '[', true) << "a record starts with its fingerprint or name: " << line;
        EXPECT_TRUE(record.Md5.empty() || IsMd5Text(record.Md5)) << line;
        EXPECT_FALSE(record.Name.empty()) << line;
        EXPECT_EQ(record.Name.find("Lock:"), std::string::npos) << "only patterns make locked names: " << line;

        const std::string name = FileNamePart(record.File);
        if (record.Kind == RecordKind::FingerprintOnly)
            used.insert("fingerprint");
        if (record.Kind == RecordKind::Folder)
            used.insert("folder");
        if (record.NoRunningCopy)
            used.insert("/0/");
        if (line.find("[]") != std::string::npos)
            used.insert("default name");
        if (line.find("%%") != std::string::npos)
            used.insert("placeholder");
        if (record.File.find('\\') != std::string::npos)
            used.insert("subfolder");
        if (name.find("<>") != std::string::npos)
            used.insert("<>");
        else if (name.find("??") != std::string::npos)
            used.insert("??");
        else if (name.find('&') != std::string::npos)
            used.insert(name.find('!') != std::string::npos ? "& with !" : "&");
        else if (name.find('?') != std::string::npos)
            used.insert("?");
        else if (name.find("randomA") != std::string::npos)
            used.insert("randomA");
    }
    EXPECT_GT(records, 50);
    for (const char* form :
         {"[Start]", "[Win32Root]", "[System32Root]", "[ProgramFiles32Root]", "fingerprint", "folder", "/0/",
          "default name", "placeholder", "subfolder", "<>", "??", "&", "& with !", "?", "randomA"})
        EXPECT_EQ(used.count(form), 1u) << "no record uses " << form;
}
