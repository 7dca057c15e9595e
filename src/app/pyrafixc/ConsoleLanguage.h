#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "core/MessageTable.h"

// The texts of the language the program's setting chooses, or the built-in ones
// when none is chosen or its file cannot be read. A file gives its messages after
// the windows' texts, so the windows are made (without showing) to read it.
MessageTable ChosenLanguageMessages(const std::string& programFolder);

// pyrafixc language export FILE: the template of the built-in texts for translators.
int ConsoleLanguage(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
