#include "platform/LocalTime.h"

std::string ShortDateText(const SYSTEMTIME& time)
{
    char text[128];
    const int n = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &time, nullptr, text, sizeof text);
    return n > 0 ? std::string(text, static_cast<size_t>(n - 1)) : std::string();
}

std::string LongTimeText(const SYSTEMTIME& time)
{
    char text[128];
    const int n = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, nullptr, text, sizeof text);
    return n > 0 ? std::string(text, static_cast<size_t>(n - 1)) : std::string();
}

SYSTEMTIME LocalNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now;
}
