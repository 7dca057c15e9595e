#pragma once
#include <string>
#include <vector>

#include "model/SharedState.h"

// At most one alert per path, compared ignoring case.
bool IsAlert(const std::vector<TFileList>& alerts, const std::string& path);
// Appends the record unless its path is already an alert; true when it was added.
bool AddAlert(std::vector<TFileList>& alerts, const TFileList& record);
