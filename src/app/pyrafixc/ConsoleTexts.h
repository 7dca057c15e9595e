#pragma once
#include "core/MessageTable.h"

// The console's own lines are rows of the message table like every other text: the
// built-in ones until the start of a command applies the chosen language.
MessageTable& ConsoleMessages();

inline const std::string& ConsoleText(Msg row)
{
    return ConsoleMessages().Text(row);
}
