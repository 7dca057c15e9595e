#include <gtest/gtest.h>

#include "core/HashSignatures.h"
#include "core/Md5.h"

namespace {

Md5Digest Md5OfText(const std::string& text)
{
    Md5 md5;
    md5.Update(text.data(), text.size());
    return md5.Final();
}

std::string Line(const std::string& body, uint64_t size, const std::string& name)
{
    return Md5Text(Md5OfText(body)) + ":" + std::to_string(size) + ":" + name;
}

} // namespace

TEST(HashSignatures, AnswersBySizeThenByMd5AndSize)
{
    const std::string a = "worm body", b = "trojan body!";
    HashSignatures signatures;
    std::string error;
    // CR LF and LF, a comment, a name with a colon, a repeat under another name.
    std::string text = "# list\r\n" + Line(b, b.size(), "Tro.B:x") + "\r\n\n" + Line(a, a.size(), "Worm.A") + "\n" +
                       Line(a, a.size(), "Worm.Again") + "\n";
    ASSERT_TRUE(signatures.Parse(text, error)) << error;
    EXPECT_EQ(signatures.Count(), 2u);
    EXPECT_TRUE(signatures.HasSize(a.size()));
    EXPECT_TRUE(signatures.HasSize(b.size()));
    EXPECT_FALSE(signatures.HasSize(a.size() + 1));
    EXPECT_EQ(signatures.NameOf(Md5OfText(a), a.size()), "Worm.A");
    EXPECT_EQ(signatures.NameOf(Md5OfText(b), b.size()), "Tro.B:x");
    // The same MD5 under another size, and another MD5 of a known size, are no match.
    EXPECT_EQ(signatures.NameOf(Md5OfText(a), b.size()), "");
    EXPECT_EQ(signatures.NameOf(Md5OfText("other"), a.size()), "");

    HashSignatures again;
    ASSERT_TRUE(again.Parse(signatures.Text(), error)) << error;
    EXPECT_EQ(again.Text(), signatures.Text());
    EXPECT_EQ(signatures.Text(), Line(a, a.size(), "Worm.A") + "\r\n" + Line(b, b.size(), "Tro.B:x") + "\r\n");
}

TEST(HashSignatures, UpperCaseHexReadsAsLowerCase)
{
    HashSignatures signatures;
    std::string error;
    ASSERT_TRUE(signatures.Parse("0123456789ABCDEF0123456789abcdef:5:N\n", error)) << error;
    EXPECT_EQ(signatures.Text(), "0123456789abcdef0123456789abcdef:5:N\r\n");
}

TEST(HashSignatures, RefusesABadLineByItsNumberAndKeepsTheOldSignatures)
{
    const std::string good = Line("x", 1, "Good");
    const struct {
        std::string line;
        const char* reason;
    } cases[] = {
        {"0123456789abcdef0123456789abcde:5:N", "MD5:SIZE:NAME"},   // 31 digits
        {"0123456789abcdef0123456789abcdeg:5:N", "MD5:SIZE:NAME"},  // not hex
        {"0123456789abcdef0123456789abcdef:5", "MD5:SIZE:NAME"},    // no name
        {"0123456789abcdef0123456789abcdef:5:", "name is missing"}, // empty name
        {"0123456789abcdef0123456789abcdef::N", "size"},
        {"0123456789abcdef0123456789abcdef:-5:N", "size"},
        {"0123456789abcdef0123456789abcdef:99999999999999999999:N", "size"},
        {"0123456789abcdef0123456789abcdef 5 N", "MD5:SIZE:NAME"},
        {"0123456789abcdef0123456789abcdef:0:Empty", "every empty file"},
        {std::string(EmptyInputMd5) + ":12:Empty", "every empty file"},
    };
    for (const auto& c : cases) {
        HashSignatures signatures;
        std::string error;
        ASSERT_TRUE(signatures.Parse(good, error));
        EXPECT_FALSE(signatures.Parse("# one\n" + good + "\r\n\n" + c.line + "\n", error)) << c.line;
        EXPECT_EQ(error.rfind("line 4: ", 0), 0u) << c.line << ": " << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.line << ": " << error;
        EXPECT_EQ(signatures.Text(), good + "\r\n") << c.line;
    }
}

TEST(HashSignatures, PackedBytesAreEncipheredBzip2)
{
    HashSignatures signatures;
    std::string error;
    ASSERT_TRUE(signatures.Parse(Line("x", 1, "Good"), error));
    const std::vector<uint8_t> bytes = PackHashSignatures(signatures);
    ASSERT_GT(bytes.size(), 3u);
    EXPECT_NE(std::string(bytes.begin(), bytes.begin() + 3), "BZh");
}
