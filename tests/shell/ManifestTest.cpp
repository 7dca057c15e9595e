#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "database/DatabaseFile.h"

namespace {

// The manifest built into a program file; empty when it has none.
std::string ManifestOf(const std::string& path)
{
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return {};
    std::string text;
    if (HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) // RT_MANIFEST
        if (HGLOBAL loaded = LoadResource(module, found))
            text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
    FreeLibrary(module);
    return text;
}

} // namespace

// The program asks an administrator to elevate and runs a standard user as one; the
// console scanner runs with its caller's rights, so scripts can start it.
TEST(Manifests, AskForTheRightsEachProgramNeeds)
{
    const struct {
        const char* program;
        const char* level;
    } cases[] = {{"pyrafix.exe", "level=\"highestAvailable\""}, {"pyrafixc.exe", "level=\"asInvoker\""}};
    for (const auto& c : cases) {
        const std::string manifest = ManifestOf(ProgramFolder() + c.program);
        EXPECT_NE(manifest.find(c.level), std::string::npos) << c.program << ":\n" << manifest;
    }
}
