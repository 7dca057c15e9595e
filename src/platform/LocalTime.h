#pragma once
#include <windows.h>

#include <string>

// A time in the user's regional formats; empty when the system cannot format it.
std::string ShortDateText(const SYSTEMTIME& time);
std::string LongTimeText(const SYSTEMTIME& time);

// Now, in local time.
SYSTEMTIME LocalNow();
