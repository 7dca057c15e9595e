#include "platform/RegistryKey.h"

#include "platform/AccessRights.h"
#include "platform/CrashPoint.h"

RegKey& RegKey::operator=(RegKey&& other) noexcept
{
    if (this != &other) {
        Close();
        key_ = other.key_;
        other.key_ = nullptr;
    }
    return *this;
}

bool RegKey::Open(HKEY root, const std::string& path, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    if (!RightsGranted(Securable::RegistryKey, access, root) ||
        RegOpenKeyExA(root, path.c_str(), 0, access, &key) != ERROR_SUCCESS)
        return false;
    key_ = key;
    return true;
}

bool RegKey::Create(HKEY root, const std::string& path, REGSAM access)
{
    Close();
    HKEY key = nullptr;
    if (!RightsGranted(Securable::RegistryKey, access, root) ||
        RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
        return false;
    key_ = key;
    return true;
}

void RegKey::Close()
{
    if (key_)
        RegCloseKey(key_);
    key_ = nullptr;
}

namespace {

// Reads a value's raw bytes; the size is asked first so any length fits.
bool ReadRaw(HKEY key, const std::string& name, DWORD& type, std::vector<char>& data)
{
    DWORD size = 0;
    if (!key || RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return false;
    for (int attempt = 0; attempt < 4; ++attempt) {
        data.assign(size + 2, '\0'); // room for terminators a writer left out
        DWORD got = size;
        const LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &got);
        if (rc == ERROR_SUCCESS) {
            data.resize(got);
            return true;
        }
        if (rc != ERROR_MORE_DATA)
            return false;
        size = got;
    }
    return false;
}

} // namespace

bool RegKey::ReadString(const std::string& name, std::string& value) const
{
    DWORD type = 0;
    std::vector<char> data;
    if (!ReadRaw(key_, name, type, data) || (type != REG_SZ && type != REG_EXPAND_SZ))
        return false;
    std::string text(data.begin(), data.end());
    const size_t nul = text.find('\0');
    if (nul != std::string::npos)
        text.resize(nul);
    value = std::move(text);
    return true;
}

bool RegKey::ReadMultiString(const std::string& name, std::vector<std::string>& values) const
{
    DWORD type = 0;
    std::vector<char> data;
    if (!ReadRaw(key_, name, type, data) || type != REG_MULTI_SZ)
        return false;
    std::vector<std::string> result;
    size_t start = 0;
    for (size_t i = 0; i <= data.size(); ++i) {
        if (i < data.size() && data[i] != '\0')
            continue;
        if (i == start)
            break; // the empty string that ends the list
        result.emplace_back(data.begin() + static_cast<long>(start), data.begin() + static_cast<long>(i));
        start = i + 1;
    }
    values = std::move(result);
    return true;
}

bool RegKey::WriteString(const std::string& name, const std::string& value, bool expandable)
{
    const bool written = key_ && RegSetValueExA(key_, name.c_str(), 0, expandable ? REG_EXPAND_SZ : REG_SZ,
                                                reinterpret_cast<const BYTE*>(value.c_str()),
                                                static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
    CrashPoint();
    return written;
}

bool RegKey::DeleteValue(const std::string& name)
{
    const bool deleted = key_ && RegDeleteValueA(key_, name.c_str()) == ERROR_SUCCESS;
    CrashPoint();
    return deleted;
}

bool RegKey::HasValue(const std::string& name) const
{
    return key_ && RegQueryValueExA(key_, name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

DWORD RegKey::ValueType(const std::string& name) const
{
    DWORD type = REG_NONE;
    if (!key_ || RegQueryValueExA(key_, name.c_str(), nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
        return REG_NONE;
    return type;
}

std::vector<std::string> RegKey::ValueNames() const
{
    std::vector<std::string> names;
    if (!key_)
        return names;
    DWORD count = 0, longest = 0;
    if (RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &longest, nullptr, nullptr,
                         nullptr) != ERROR_SUCCESS)
        return names;
    std::vector<char> buffer(longest + 2);
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(buffer.size());
        const LONG rc = RegEnumValueA(key_, i, buffer.data(), &length, nullptr, nullptr, nullptr, nullptr);
        if (rc == ERROR_MORE_DATA) {
            buffer.resize(buffer.size() * 2);
            --i;
            continue;
        }
        if (rc != ERROR_SUCCESS)
            break;
        names.emplace_back(buffer.data(), length);
    }
    return names;
}

std::vector<std::string> RegKey::SubKeyNames() const
{
    std::vector<std::string> names;
    if (!key_)
        return names;
    char buffer[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof buffer;
        if (RegEnumKeyExA(key_, i, buffer, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        names.emplace_back(buffer, length);
    }
    return names;
}
