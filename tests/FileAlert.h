#pragma once
#include <string>

#include "database/FileMd5.h"
#include "model/SharedState.h"

// A quick-scan file alert for a file the test planted, with the file's MD5 text.
inline TFileList FileAlert(const std::string& path, const std::string& name, int listIndex = -1)
{
    TFileList alert;
    alert.Path = path;
    alert.Name = name;
    alert.Md5 = Md5Text(FileMd5(path));
    alert.ListIndex = listIndex;
    return alert;
}
