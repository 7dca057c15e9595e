#pragma once
#include <string>

// Both keys live under HKEY_CURRENT_USER and are spelled as the product always
// had them: the action dialog's without " v4", the language's with it.
extern const char ActionDialogKey[];    // "Software\Zentrova\Pyrafix Pro\Options"
extern const char LanguageSettingKey[]; // "Software\Zentrova\Pyrafix Pro v4\Options"

// The "show the action dialog at start-up" flag (value "0"). `current` comes
// back when the key is missing; a key without a readable value gives true.
bool ReadShowActionDialog(const std::string& key, bool current);
// Creates the key when needed; failures leave the setting as it was.
void WriteShowActionDialog(const std::string& key, bool show);
