#include "scan/FolderPlaceholders.h"

#include "database/PathRoots.h"
#include "platform/ShellFolders.h"

namespace {

std::string WindowsDrive()
{
    const std::string windows = WindowsFolder();
    const size_t colon = windows.find(':');
    return colon == std::string::npos ? std::string() : windows.substr(0, colon + 1);
}

} // namespace

std::optional<std::string> MachineFolder(const FolderRef& folder)
{
    switch (folder.source) {
    case FolderSource::TempFolder:
        return TempFolder();
    case FolderSource::SpecialFolder:
        return SpecialFolder(folder.csidl);
    case FolderSource::Documents:
        return DocumentsFolder();
    case FolderSource::CommonFiles:
        return CurrentVersionValue("CommonFilesDir");
    case FolderSource::WindowsDrive:
        return WindowsDrive();
    case FolderSource::UserName:
        return CurrentUserName();
    }
    return std::nullopt;
}

std::string ExpandFolderPlaceholders(const std::string& text)
{
    return ExpandFolderPlaceholders(text, MachineFolder);
}
