#pragma once
// Machine state that the system tools' tests plant, and put back after the test. The
// tests that use these hold the matching ctest lock (cmake/wine-test-locks.cmake).
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Fixtures.h"
#include "database/PathRoots.h"
#include "platform/FileSystem.h"
#include "platform/RegistryKey.h"
#include "systools/KeyboardFilters.h"

const std::string RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string RunKeyBak = RunKey + "_Bak";

// A value name private to the running test, removed from both keys afterwards.
class PlantedValue {
public:
    PlantedValue() { name = std::string("pyrafix-") + ::testing::UnitTest::GetInstance()->current_test_info()->name(); }
    // The value written to the user's Run key at once.
    explicit PlantedValue(const std::string& data) : PlantedValue()
    {
        RegKey key;
        EXPECT_TRUE(key.Create(HKEY_CURRENT_USER, RunKey));
        EXPECT_TRUE(key.WriteString(name, data));
    }
    ~PlantedValue()
    {
        for (const std::string& path : {RunKey, RunKeyBak}) {
            RegKey key;
            if (key.Open(HKEY_CURRENT_USER, path, KEY_READ | KEY_WRITE))
                key.DeleteValue(name);
        }
    }
    std::string name;
};

// Holds one of the machine's INI files for a test and puts it back afterwards.
class SavedIni {
public:
    explicit SavedIni(const std::string& name) : path(WindowsFolder() + "\\" + name)
    {
        had_ = ReadWholeFile(path, content_);
    }
    ~SavedIni()
    {
        DeleteFileA((path + ".new").c_str());
        if (had_)
            EXPECT_TRUE(WriteFileReplacing(path, content_.data(), content_.size()));
        else
            DeleteFileA(path.c_str());
    }
    void Write(const std::string& text) { ASSERT_TRUE(WriteFileReplacing(path, text.data(), text.size())); }
    std::string Read() const
    {
        std::vector<uint8_t> bytes;
        return ReadWholeFile(path, bytes) ? std::string(bytes.begin(), bytes.end()) : "(none)";
    }

    const std::string path;

private:
    bool had_ = false;
    std::vector<uint8_t> content_;
};

// Holds the machine's "UpperFilters" for one test and puts it back afterwards.
class SavedUpperFilters {
public:
    SavedUpperFilters()
    {
        created_ = !key_.Open(HKEY_LOCAL_MACHINE, KeyboardClassKey, KEY_READ | KEY_WRITE);
        if (created_) {
            EXPECT_TRUE(key_.Create(HKEY_LOCAL_MACHINE, KeyboardClassKey));
        }
        DWORD size = 0;
        had_ = RegQueryValueExA(key_.Get(), "UpperFilters", nullptr, &type_, nullptr, &size) == ERROR_SUCCESS;
        data_.resize(size);
        if (had_)
            RegQueryValueExA(key_.Get(), "UpperFilters", nullptr, &type_, reinterpret_cast<BYTE*>(data_.data()), &size);
    }
    ~SavedUpperFilters()
    {
        if (had_)
            RegSetValueExA(key_.Get(), "UpperFilters", 0, type_, reinterpret_cast<const BYTE*>(data_.data()),
                           static_cast<DWORD>(data_.size()));
        else
            key_.DeleteValue("UpperFilters");
        key_.Close();
        if (created_)
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, KeyboardClassKey);
    }
    void Set(const std::string& data, DWORD type = REG_MULTI_SZ)
    {
        ASSERT_EQ(RegSetValueExA(key_.Get(), "UpperFilters", 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }
    std::string Get() const
    {
        char data[1024];
        DWORD size = sizeof data;
        if (RegQueryValueExA(key_.Get(), "UpperFilters", nullptr, nullptr, reinterpret_cast<BYTE*>(data), &size) !=
            ERROR_SUCCESS)
            return "(none)";
        return std::string(data, size);
    }

private:
    RegKey key_;
    bool created_ = false;
    bool had_ = false;
    DWORD type_ = REG_MULTI_SZ;
    std::string data_;
};

// A service registered for one test and deleted after it.
class PlantedService {
public:
    PlantedService(const std::string& suffix, const std::string& binaryPath, DWORD startType,
                   const std::string& displayName = "")
    {
        key = std::string("PyrafixFixture") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + suffix;
        display = displayName.empty() ? "Pyrafix fixture " + key : displayName;
        SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        service_ = CreateServiceA(manager, key.c_str(), display.c_str(), SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                  startType, SERVICE_ERROR_IGNORE, binaryPath.c_str(), nullptr, nullptr, nullptr,
                                  nullptr, nullptr);
        EXPECT_NE(service_, nullptr) << key << " " << GetLastError();
        CloseServiceHandle(manager);
    }
    ~PlantedService()
    {
        SERVICE_STATUS status{};
        ControlService(service_, SERVICE_CONTROL_STOP, &status);
        for (int i = 0; i < 40 && QueryServiceStatus(service_, &status) && status.dwCurrentState != SERVICE_STOPPED;
             ++i)
            Sleep(250);
        DeleteService(service_);
        CloseServiceHandle(service_);
    }
    PlantedService(const PlantedService&) = delete;
    PlantedService& operator=(const PlantedService&) = delete;

    std::string key;
    std::string display;

private:
    SC_HANDLE service_ = nullptr;
};
