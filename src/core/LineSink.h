#pragma once
#include <functional>
#include <string>

// Where a refresh writes its report lines (the full report file while it is being
// built); an empty sink means no report is being written.
using LineSink = std::function<void(const std::string&)>;
