#pragma once
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/LineSink.h"
#include "model/SharedState.h"
#include "scan/RegBase.h"

// The "Startup files:" page. Rebuilds `StartupRecords` from every startup value of
// RegBase.rgk, one record per row (caption: value name, "Program Value": data). With
// a report sink, writes "Startup files:" (when the base opens) and two lines per value.
void RefreshStartupRecords(SharedState& state, const LineSink& report = {},
                           const std::string& basePath = RegBasePath());

// "Delete values" for the checked rows, each given as (value name, data): deletes the
// value of the first record with that name and data. Each failure goes to `showError`
// with its message text (messages 69/70 or 68); the page then shows message 71.
void DeleteStartupValues(const SharedState& state, const std::vector<std::pair<std::string, std::string>>& checkedRows,
                         const std::function<void(const std::string& message)>& showError);
