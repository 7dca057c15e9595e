#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

// A fresh folder under the prefix's temporary folder for one test; removed after it.
class TestFolder {
public:
    TestFolder()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = std::string(temp) + "pyrafix-" + info->test_suite_name() + "-" + info->name() + "-" +
                std::to_string(GetCurrentProcessId());
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TestFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "\\" + name; }

    std::string Write(const std::string& name, const std::string& content) const
    {
        const std::string file = *this / name;
        HANDLE h = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        EXPECT_NE(h, INVALID_HANDLE_VALUE) << file;
        DWORD written = 0;
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
        return file;
    }

private:
    std::string path_;
};

// A file's bytes as text; "<unreadable>" when it cannot be read.
inline std::string FileText(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return "<unreadable>";
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(h, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(h);
    return text;
}

// Sets a file's last-write time to 1 January of the given year.
inline bool SetWriteYear(const std::string& path, WORD year)
{
    SYSTEMTIME st{};
    st.wYear = year;
    st.wMonth = 1;
    st.wDay = 1;
    st.wHour = 12;
    FILETIME ft;
    if (!SystemTimeToFileTime(&st, &ft))
        return false;
    HANDLE h = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    const BOOL ok = SetFileTime(h, nullptr, nullptr, &ft);
    CloseHandle(h);
    return ok != FALSE;
}
