#pragma once
#include <string>

// The maker's update server; organisations point their machines at a mirror.
extern const char MakerUpdateHost[];   // "updates.zentrova.example"
extern const char UpdateServerValue[]; // "UpdateServer", under the options key

// The host (or host:port) named by the string value "UpdateServer" under `key` of
// HKEY_CURRENT_USER, else of HKEY_LOCAL_MACHINE (one setting for a whole machine),
// else the maker's host. A value that is empty or not a plain host name is ignored.
std::string UpdateServerHost(const std::string& key);

// "http://" + host + path.
std::string UpdateUrl(const std::string& host, const std::string& path);
