#pragma once
#include <functional>
#include <ostream>
#include <string>

#include "update/UpdateSignature.h"

// `pyrafixc update [--upgrade]` in `programFolder` against `host`: the main window's
// update check, with every message printed as one line. The database update is
// answered Yes, the program upgrade Yes only when `upgrade` is set. Returns 0 when
// the database is the newest at the end (or the upgrade was started), else 2.
// `start` opens the downloaded upgrader and says whether it started.
using StartProgram = std::function<bool(const std::string&)>;
int RunConsoleUpdate(const std::string& programFolder, const std::string& host, bool upgrade, const StartProgram& start,
                     std::ostream& out, const UpdateKey& key = MakerUpdateKey());
