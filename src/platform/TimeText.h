#pragma once
#include <string>

// The time of day in the user's long time format, as scan log lines begin.
std::string LongTimeText();
