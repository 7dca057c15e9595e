#pragma once

// The program's version text: the full report's first line and what the update
// server's newest version is compared with.
constexpr const char* VersionBanner = "Pyrafix Pro v7 - SE (Build date: 17.4.2010)";
