#pragma once
#include <string>

// A file of the project's source tree, named from its root ("data/signatures.txt"),
// as the running test program reaches it.
inline std::string SourcePath(const std::string& relative)
{
    const std::string here = __FILE__; // <root>/tests/SourcePath.h
    std::string path = here.substr(0, here.rfind("tests")) + relative;
#ifdef _WIN32
    if (!path.empty() && path[0] == '/')
        path = "Z:" + path; // Wine shows the Linux root as drive Z:
#endif
    return path;
}
