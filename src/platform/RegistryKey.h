#pragma once
#include <windows.h>

#include <string>
#include <vector>

// An open registry key; closed when the object goes. Open asks for read rights
// unless told otherwise, Create for read and write: a standard user gets no more
// than reading outside HKEY_CURRENT_USER, and an open asking for more fails.
class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;
    RegKey(RegKey&& other) noexcept : key_(other.key_) { other.key_ = nullptr; }
    RegKey& operator=(RegKey&& other) noexcept;

    // Opens an existing key.
    [[nodiscard]] bool Open(HKEY root, const std::string& path, REGSAM access = KEY_READ);
    // Opens the key, creating it and its parents when missing.
    [[nodiscard]] bool Create(HKEY root, const std::string& path, REGSAM access = KEY_READ | KEY_WRITE);
    void Close();
    bool IsOpen() const { return key_ != nullptr; }
    HKEY Get() const { return key_; }

    // A REG_SZ or REG_EXPAND_SZ value (not expanded). On false, `value` is not changed.
    [[nodiscard]] bool ReadString(const std::string& name, std::string& value) const;
    // A REG_MULTI_SZ value, one string per element. On false, `values` is not changed.
    [[nodiscard]] bool ReadMultiString(const std::string& name, std::vector<std::string>& values) const;
    // Writes a REG_SZ value, or a REG_EXPAND_SZ one when `expandable` is set.
    bool WriteString(const std::string& name, const std::string& value, bool expandable = false);
    bool DeleteValue(const std::string& name);
    bool HasValue(const std::string& name) const;
    // The value's registry type; REG_NONE when it is missing or the key is closed.
    DWORD ValueType(const std::string& name) const;

    // Names of the values and of the subkeys, in the registry's order; empty when closed.
    std::vector<std::string> ValueNames() const;
    std::vector<std::string> SubKeyNames() const;

private:
    HKEY key_ = nullptr;
};
