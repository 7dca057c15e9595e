#pragma once
#include <string>
#include <vector>

#include "shell/AppContext.h"

class TForm;

extern const char LanguageFolderName[]; // "Languages", in the program folder
extern const char LanguageValue[];      // "Language", under Env.LanguageKey

// The eight windows a language file gives texts for, in its order.
std::vector<TForm*> LanguageWindows(const AppContext& context);

// Reads the language file at `path` into LanguageStream, deciphers it and applies it
// to the windows and the message table. False, with nothing changed, when the file
// cannot be read.
bool ApplyLanguage(AppContext& context, const std::string& path);

// At start-up, once the windows exist: lists the language files in the language
// window and applies the chosen one. Every failure leaves the built-in texts.
void LoadLanguageList(AppContext& context);

// Writes the plain template of the current texts; false when it cannot be written.
bool ExportLanguage(const AppContext& context, const std::string& path);

// The chosen language's name, empty when none is chosen.
std::string ChosenLanguage(const std::string& key);
// Creates the key when needed; false when it cannot be written.
bool WriteChosenLanguage(const std::string& key, const std::string& name);
