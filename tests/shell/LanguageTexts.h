#pragma once
#include <string>
#include <vector>

#include "core/LanguageFile.h"
#include "shell/AppContext.h"
#include "shell/Language.h"
#include "ui/LanguageWalk.h"

// Every text a language file gives, in its order: the windows' captions and hints,
// then the message rows.
inline std::vector<std::string> LanguageTexts(const AppContext& context)
{
    std::vector<std::string> texts;
    for (const LanguageSlot& slot : LanguageSlots(LanguageWindows(context)))
        texts.push_back(slot.Text());
    for (int row : LanguageMessageRows())
        texts.push_back(context.State.Messages.Row(row));
    return texts;
}
