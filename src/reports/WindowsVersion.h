#pragma once
#include <string>

#include "core/WindowsVersionName.h"

// What this machine reports about its Windows version.
WindowsVersionRecord QueryWindowsVersion();

// The name of the running Windows version; empty when it cannot be determined.
std::string WindowsVersionName();
