#include "platform/TimeText.h"

#include <windows.h>

std::string LongTimeText()
{
    char buffer[128] = {};
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, buffer, sizeof buffer) == 0)
        return std::string();
    return buffer;
}
