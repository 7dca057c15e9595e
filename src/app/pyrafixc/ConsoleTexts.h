#pragma once
#include "core/MessageTable.h"

// The console's own lines are rows of the message table like every other text;
// it prints the built-in English ones.
inline const MessageTable& ConsoleMessages()
{
    static const MessageTable table;
    return table;
}

inline const std::string& ConsoleText(Msg row)
{
    return ConsoleMessages().Text(row);
}
