#pragma once
#include <windows.h>

#include <string>

// Now, in local time.
SYSTEMTIME LocalNow();

// A time in the user's regional formats; empty when the system cannot format it.
// Scan log lines begin with the long time of now.
std::string ShortDateText(const SYSTEMTIME& time);
std::string LongTimeText(const SYSTEMTIME& time = LocalNow());
