#pragma once
#include "core/MessageTable.h"

// The console's own lines are rows of the message table like every other text;
// it prints the built-in English ones.
inline const std::string& ConsoleText(Msg row)
{
    static const MessageTable table;
    return table.Text(row);
}
