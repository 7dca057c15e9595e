#pragma once
// Databases, pieces and list pages as the update server serves them, written into a
// test's folders.
#include <filesystem>
#include <string>
#include <vector>

#include "TestFolder.h"
#include "core/DatabaseText.h"
#include "core/MemoryStream.h"
#include "core/Signatures.h"
#include "core/UpdateList.h"
#include "update/UpdateSignature.h"

// A database or piece text: the date padded into its 35-byte line, the records, "_end".
inline std::string DatabaseText(const std::string& date, const std::vector<std::string>& records)
{
    std::string text = date + std::string(DateLineBytes - 2 - date.size(), ' ') + "\r\n";
    for (const std::string& record : records)
        text += record + "\r\n";
    return text + "_end\r\n";
}

inline std::string Enciphered(const std::string& text)
{
    const std::vector<uint8_t> bytes = EncryptDatabase(MemoryStream(text));
    return std::string(bytes.begin(), bytes.end());
}

// A record line that no machine has: it only has to be there, and be long enough
// that a piece of one record is not taken for no answer (under 100 bytes).
inline std::string Record(int n)
{
    return "C:\\pyrafix-update-test\\a-folder-no-machine-has\\record" + std::to_string(n) + ".exe|Test.Record" +
           std::to_string(n) + "|";
}

inline std::string ListPageText(const std::string& date, const std::string& version, const std::string& base,
                                const std::string& logs = "0")
{
    return std::string(ListPageProduct) + "\r\n" + date + "\r\n" + version + "\r\nunused\r\n" + logs + "\r\n" + base +
           "\r\n";
}

// The files asked for, without their signatures.
inline std::vector<std::string> WithoutSignatures(const std::vector<std::string>& paths)
{
    std::vector<std::string> files;
    for (const std::string& path : paths)
        if (path.size() < 4 || path.compare(path.size() - 4, 4, ".sig") != 0)
            files.push_back(path);
    return files;
}

// The update server's folder and the program folder of one test, with a signing key
// of the test's own: every served file is signed with it unless told otherwise.
struct UpdateTree {
    explicit UpdateTree(const TestFolder& folder) : folder_(folder)
    {
        std::filesystem::create_directories(folder / "www\\updr2\\upd");
        std::filesystem::create_directories(folder / "program");
        std::vector<uint8_t> pub;
        EXPECT_TRUE(MakeSigningKeys(pub, secret_));
        std::copy(pub.begin(), pub.end(), key_.begin());
    }
    const UpdateKey& Key() const { return key_; }
    std::string Signature(const std::string& content) const
    {
        const std::vector<uint8_t> signature =
            SignBytes(reinterpret_cast<const uint8_t*>(content.data()), content.size(), secret_);
        return std::string(signature.begin(), signature.end());
    }
    std::string Www() const { return folder_ / "www"; }
    std::string Program() const { return folder_ / "program\\"; }
    std::string Serve(const std::string& path, const std::string& content) const
    {
        folder_.Write("www\\updr2\\" + path + ".sig", Signature(content));
        return folder_.Write("www\\updr2\\" + path, content);
    }
    // The file with whatever stands as its signature (nothing: none at all).
    void ServeSignedAs(const std::string& path, const std::string& content, const std::string* signature) const
    {
        folder_.Write("www\\updr2\\" + path, content);
        std::filesystem::remove(folder_ / ("www\\updr2\\" + path + ".sig"));
        if (signature)
            folder_.Write("www\\updr2\\" + path + ".sig", *signature);
    }
    void ServeList(const std::string& date, const std::string& version = ProgramVersionText,
                   const std::string& base = "") const
    {
        Serve("list.htm", ListPageText(date, version, base));
    }
    void ServePiece(int number, const std::vector<std::string>& records) const
    {
        Serve("upd\\" + std::to_string(number) + ".htm", Enciphered(DatabaseText(Date(number), records)));
    }
    void ServeFull(int number, const std::vector<std::string>& records) const
    {
        Serve("files2.htm", Enciphered(DatabaseText(Date(number), records)));
    }
    std::string Installed(int number, const std::vector<std::string>& records) const
    {
        return folder_.Write("program\\files.dat", Enciphered(DatabaseText(Date(number), records)));
    }
    static std::string Date(int number) { return "01.05.2010, Upd " + std::to_string(number); }

private:
    const TestFolder& folder_;
    std::vector<uint8_t> secret_;
    UpdateKey key_{};
};
