#pragma once
#include <string>

// Where a download goes: the server, its port and the object path.
struct HttpTarget {
    std::string Server;
    int Port = 80;
    std::string Path;
};

// Splits a URL the way the download component reads it: a "http://" anywhere in the
// text (any letter case) drops its first 7 characters; the server is the text before
// the first "/" and the path the rest, with its "/". A text without "/" has no server
// and is all path. A server written "host:port" names its port; 80 otherwise, and a
// port that is not a number from 1 to 65535 leaves no server, so nothing is fetched.
HttpTarget SplitHttpUrl(const std::string& url);
