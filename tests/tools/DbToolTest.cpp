#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "core/Bzip2.h"
#include "core/DatabaseText.h"
#include "core/HashSignatures.h"
#include "core/Md5.h"
#include "core/StreamCipher.h"
#include "pyrafix-db/DatabaseSource.h"
#include "pyrafix-db/DbTool.h"

namespace fs = std::filesystem;

namespace {

class DbTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        // A random part: the Linux runs of other checkouts share /tmp.
        dir_ = fs::temp_directory_path() / ("pyrafix-dbtool-" + std::to_string(std::random_device{}()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Path(const std::string& name) const { return (dir_ / name).string(); }
    void Write(const std::string& name, const std::string& content) const
    {
        std::ofstream(Path(name), std::ios::binary) << content;
    }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(Path(name), std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    int Run(std::vector<std::string> args)
    {
        out_.str("");
        err_.str("");
        return RunDbTool(args, out_, err_);
    }

    fs::path dir_;
    std::ostringstream out_, err_;
};

std::string Deciphered(std::string bytes)
{
    auto* p = reinterpret_cast<uint8_t*>(bytes.data());
    Decrypt(p, bytes.size(), p, DatabaseKey, bytes.size());
    return bytes;
}

const char Source[] = "# header comment\n2026-12-10\r\n# a comment\n[System32Root]\r\n\n[W.A]:a.exe\n";
const char Text[] = "2026-12-10                       \r\n[System32Root]\r\n[W.A]:a.exe\r\n_end\r\n";

} // namespace

TEST_F(DbTool, PacksUnpacksAndReportsADatabase)
{
    Write("src.txt", Source);
    for (const bool compressed : {false, true}) {
        std::vector<std::string> args = {"pack", Path("src.txt"), Path("files.dat")};
        if (compressed)
            args.push_back("--bzip2");
        ASSERT_EQ(Run(args), 0) << err_.str();
        const std::string raw = Deciphered(Read("files.dat"));
        EXPECT_EQ(raw.rfind("BZh", 0) == 0, compressed);

        ASSERT_EQ(Run({"unpack", Path("files.dat"), Path("out.txt")}), 0) << err_.str();
        EXPECT_EQ(Read("out.txt"), Text);

        ASSERT_EQ(Run({"info", Path("files.dat")}), 0) << err_.str();
        EXPECT_NE(out_.str().find("Database date: 2026-12-10"), std::string::npos) << out_.str();
        EXPECT_NE(out_.str().find("Lines read before _end: 3"), std::string::npos) << out_.str();
    }
}

TEST_F(DbTool, PieceIsEncipheredButNeverCompressed)
{
    Write("src.txt", Source);
    ASSERT_EQ(Run({"piece", Path("src.txt"), Path("Upd.dat")}), 0) << err_.str();
    EXPECT_EQ(Deciphered(Read("Upd.dat")), Text);
    EXPECT_NE(Run({"piece", Path("src.txt"), Path("Upd.dat"), "--bzip2"}), 0);
}

TEST_F(DbTool, EncryptAndDecryptAnyFile)
{
    const std::string bytes("\x00\x01\xff plain \r\n text", 16);
    Write("a.bin", bytes);
    ASSERT_EQ(Run({"encrypt", Path("a.bin"), Path("a.enc")}), 0);
    EXPECT_NE(Read("a.enc"), bytes);
    EXPECT_EQ(Read("a.enc").size(), bytes.size());
    ASSERT_EQ(Run({"decrypt", Path("a.enc"), Path("a.out")}), 0);
    EXPECT_EQ(Read("a.out"), bytes);
}

TEST_F(DbTool, RefusesBadInputAndKeepsTheOldOutput)
{
    Write("files.dat", "old content");
    const std::pair<std::string, std::string> cases[] = {
        {"#c\n" + std::string(34, '9') + "\n[A]:a\n", "line 2: the database date is 34 characters long"},
        {"d\n[A]:" + std::string(251, 'x') + "\n", "line 2: the line is 255 bytes long"},
        {"d\n_end\n[A]:late.exe\n", "line 3: text after the _end line"},
        {"d\n[A]:a\rb\n", "line 2: a carriage return inside the line"},
        {"# only comments\n", "no database date"},
    };
    for (const auto& [source, reason] : cases) {
        Write("bad.txt", source);
        EXPECT_EQ(Run({"pack", Path("bad.txt"), Path("files.dat")}), 2);
        EXPECT_NE(err_.str().find(reason), std::string::npos) << err_.str();
        EXPECT_EQ(Read("files.dat"), "old content");
        EXPECT_FALSE(fs::exists(Path("files.dat.new")));
    }
    EXPECT_EQ(Run({"pack", Path("missing.txt"), Path("files.dat")}), 2);
    EXPECT_NE(err_.str().find("cannot read"), std::string::npos);
    EXPECT_EQ(Run({"unpack", Path("missing.dat"), Path("x")}), 2);
    EXPECT_EQ(Run({"bogus"}), 2);
    EXPECT_NE(err_.str().find("usage:"), std::string::npos);
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out_.str().find("pack SOURCE OUT"), std::string::npos);
}

TEST_F(DbTool, PackReplacesAnExistingOutput)
{
    Write("files.dat", "old content");
    Write("src.txt", Source);
    ASSERT_EQ(Run({"pack", Path("src.txt"), Path("files.dat")}), 0) << err_.str();
    EXPECT_EQ(Deciphered(Read("files.dat")), Text);
}

TEST(DatabaseSource, KeepsAnExplicitEndAndTheLongestLines)
{
    std::string text, error;
    const std::string longest(254, 'r');
    ASSERT_TRUE(BuildDatabaseText(std::string(33, 'd') + "\n" + longest + "\n_end\n# trailing comment\n", text, error))
        << error;
    EXPECT_EQ(text, std::string(33, 'd') + "\r\n" + longest + "\r\n_end\r\n");
}

TEST_F(DbTool, KeysSignAndVerify)
{
    ASSERT_EQ(Run({"keygen", Path("keys")}), 0) << err_.str();
    EXPECT_EQ(Read("keys/update.key").size(), 64u);
    EXPECT_EQ(Read("keys/update.pub").size(), 32u);
    const std::string secret = Read("keys/update.key");
    EXPECT_EQ(Run({"keygen", Path("keys")}), 2); // a maker's key is never overwritten
    EXPECT_EQ(Read("keys/update.key"), secret);
    ASSERT_EQ(Run({"keygen", Path("other")}), 0);

    Write("files2.htm", "the database as served");
    ASSERT_EQ(Run({"sign", Path("keys/update.key"), Path("files2.htm")}), 0) << err_.str();
    EXPECT_EQ(Read("files2.htm.sig").size(), 64u);
    EXPECT_EQ(Run({"verify", Path("keys/update.pub"), Path("files2.htm")}), 0) << out_.str();
    EXPECT_EQ(Run({"verify", Path("other/update.pub"), Path("files2.htm")}), 2);
    EXPECT_EQ(Run({"sign", Path("keys/update.pub"), Path("files2.htm")}), 2); // not a private key

    Write("files2.htm", "the database as served, changed on the way");
    EXPECT_EQ(Run({"verify", Path("keys/update.pub"), Path("files2.htm")}), 2);
    fs::remove(Path("files2.htm.sig"));
    EXPECT_EQ(Run({"verify", Path("keys/update.pub"), Path("files2.htm")}), 2);
}

TEST_F(DbTool, PublishLaysOutASignedUpdateServerFolder)
{
    ASSERT_EQ(Run({"keygen", Path("keys")}), 0);
    Write("full.txt", "01.05.2010, Upd 15\n[System32Root]\n");
    Write("piece15.txt", "01.05.2010, Upd 15\n[W.A]:a.exe\n");
    Write("pyrafix.exe", "MZ the new program");
    ASSERT_EQ(Run({"publish", Path("keys/update.key"), Path("full.txt"), Path("www"), "--piece", "15",
                   Path("piece15.txt"), "--base", "10", "--program", Path("pyrafix.exe"), "--logs", "--bzip2"}),
              0)
        << err_.str();
    EXPECT_EQ(Read("www/updr2/list.htm"), "Pyrafix Pro\r\n01.05.2010, Upd 15\r\nPyrafix Pro v7 - SE (Build date: "
                                          "17.4.2010)\r\n\r\n1\r\n10\r\n");
    EXPECT_EQ(Read("www/updr2/pyrxt.htm"), "MZ the new program");
    EXPECT_EQ(Deciphered(Read("www/updr2/upd/15.htm")), "01.05.2010, Upd 15               \r\n[W.A]:a.exe\r\n_end\r\n");
    EXPECT_EQ(Deciphered(Read("www/updr2/files2.htm")).rfind("BZh", 0), 0u);
    for (const char* file : {"list.htm", "files2.htm", "upd/15.htm", "pyrxt.htm"})
        EXPECT_EQ(Run({"verify", Path("keys/update.pub"), Path(std::string("www/updr2/") + file)}), 0) << file;
    EXPECT_EQ(Run({"publish", Path("keys/update.key"), Path("full.txt"), Path("www"), "--piece", "x", "y"}), 2);
}

TEST_F(DbTool, PackHashesMergesSourcesAndRefusesBadLinesByFileAndNumber)
{
    const std::string a = "0123456789abcdef0123456789abcdef", b = "fedcba9876543210fedcba9876543210";
    Write("one.txt", "# mine\n" + a + ":10:Worm.A\r\n" + b + ":7:Tro.B\n");
    Write("two.txt", a + ":10:Worm.Renamed\n" + b + ":8:Tro.B8\n");
    ASSERT_EQ(Run({"pack-hashes", Path("one.txt"), Path("two.txt"), Path("hashes.dat")}), 0) << err_.str();
    const std::string raw = Deciphered(Read("hashes.dat"));
    EXPECT_EQ(raw.rfind("BZh", 0), 0u);
    ASSERT_EQ(Run({"unpack", Path("hashes.dat"), Path("out.txt")}), 0) << err_.str();
    EXPECT_EQ(Read("out.txt"), b + ":7:Tro.B\r\n" + b + ":8:Tro.B8\r\n" + a + ":10:Worm.A\r\n");

    const std::string before = Read("hashes.dat");
    for (const std::string& bad : {a + ":0:Empty", std::string(EmptyInputMd5) + ":3:E", std::string("nonsense")}) {
        Write("bad.txt", "# header\n" + b + ":7:Tro.B\n" + bad + "\n");
        EXPECT_EQ(Run({"pack-hashes", Path("one.txt"), Path("bad.txt"), Path("hashes.dat")}), 2) << bad;
        EXPECT_NE(err_.str().find("bad.txt: line 3: "), std::string::npos) << err_.str();
        EXPECT_EQ(Read("hashes.dat"), before);
    }
    EXPECT_EQ(Run({"pack-hashes", Path("hashes.dat")}), 2);
}

TEST_F(DbTool, PublishWithHashesNamesTheSignedHashesFileByItsMd5)
{
    ASSERT_EQ(Run({"keygen", Path("keys")}), 0);
    Write("full.txt", "01.05.2010, Upd 15\n[System32Root]\n");
    Write("hashes.txt", "0123456789abcdef0123456789abcdef:10:Worm.A\n");
    ASSERT_EQ(Run({"publish", Path("keys/update.key"), Path("full.txt"), Path("www"), "--hashes", Path("hashes.txt")}),
              0)
        << err_.str();
    const std::string packed = Read("www/updr2/hashes.htm");
    Md5 md5;
    md5.Update(packed.data(), packed.size());
    const std::string list = Read("www/updr2/list.htm");
    EXPECT_EQ(list.substr(list.size() - 36), "\r\n" + Md5Text(md5.Final()) + "\r\n") << list;
    EXPECT_EQ(Run({"verify", Path("keys/update.pub"), Path("www/updr2/hashes.htm")}), 0);
    ASSERT_EQ(Run({"unpack", Path("www/updr2/hashes.htm"), Path("out.txt")}), 0);
    EXPECT_EQ(Read("out.txt"), "0123456789abcdef0123456789abcdef:10:Worm.A\r\n");
}
