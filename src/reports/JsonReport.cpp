#include "reports/JsonReport.h"

#include <windows.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/ProgramVersion.h"
#include "core/RegistryRoots.h"
#include "database/FileHelpers.h"
#include "database/PathRoots.h"
#include "platform/CodePage.h"

namespace {

using nlohmann::json;

std::string RootNameOfKey(uintptr_t key)
{
    for (int code = 0; code < RootCodeCount; ++code) {
        std::string name;
        if (reinterpret_cast<uintptr_t>(RootKeyOf(code, nullptr)) == key && RootNameOf(code, name))
            return name;
    }
    return {};
}

const char* KindOf(const TFileList& alert)
{
    if (alert.InfectedFolder)
        return "folder";
    if (alert.SubFolder)
        return "folder in folder";
    if (alert.FileInFolder)
        return "file in folder";
    if (alert.FullScanHit)
        return "full scan copy";
    return "file";
}

// "tag path[md5][size]", as the collector writes its lines.
json DetailOf(const std::string& line)
{
    json detail = {{"tag", ""}, {"path", AnsiToUtf8(line)}, {"md5", ""}, {"size", nullptr}};
    const size_t blank = line.find(' ');
    const size_t sizeOpen = line.rfind('[');
    if (blank == std::string::npos || sizeOpen == std::string::npos || sizeOpen == 0 || line.back() != ']')
        return detail;
    const size_t md5Open = line.rfind('[', sizeOpen - 1);
    if (md5Open == std::string::npos || md5Open <= blank || line[sizeOpen - 1] != ']')
        return detail;
    detail["tag"] = AnsiToUtf8(line.substr(0, blank));
    detail["path"] = AnsiToUtf8(line.substr(blank + 1, md5Open - blank - 1));
    detail["md5"] = line.substr(md5Open + 1, sizeOpen - md5Open - 2);
    detail["size"] = std::stoll(line.substr(sizeOpen + 1, line.size() - sizeOpen - 2));
    return detail;
}

json Strings(const std::vector<std::string>& texts)
{
    json list = json::array();
    for (const std::string& text : texts)
        list.push_back(AnsiToUtf8(text));
    return list;
}

} // namespace

std::string JsonReport(const SharedState& state, const FullReportResult& report, const std::string& windowsName,
                       const std::string& isoTime)
{
    json out;
    out["version"] = VersionBanner;
    out["time"] = isoTime;
    out["windows"] = AnsiToUtf8(windowsName);

    json detections = json::array();
    for (const TFileList& alert : state.AlertRecords) {
        std::string name = alert.Name;
        if (const size_t lock = name.find("Lock:"); lock != std::string::npos)
            name.erase(lock, 5);
        detections.push_back({{"name", AnsiToUtf8(name)},
                              {"kind", KindOf(alert)},
                              {"path", AnsiToUtf8(alert.Path)},
                              {"md5", alert.Md5}});
    }
    out["detections"] = detections;
    out["processes"] = Strings(report.Processes);

    json values = json::array();
    for (const StartupF& record : state.StartupRecords)
        values.push_back({{"root", RootNameOfKey(record.RootKey)},
                          {"key", AnsiToUtf8(record.KeyPath)},
                          {"name", AnsiToUtf8(record.ValueName)},
                          {"data", AnsiToUtf8(record.ValueData)}});
    out["startupValues"] = values;

    json details = json::array();
    for (const std::string& line : state.StartupEntries.Lines())
        details.push_back(DetailOf(line));
    out["details"] = details;

    const ReportLists& lists = report.Lists;
    json folders = json::array();
    for (const StartupRow& entry : lists.StartupFolders)
        folders.push_back({{"name", AnsiToUtf8(entry.Caption)}, {"command", AnsiToUtf8(entry.Command)}});
    out["startupFolder"] = folders;
    json winIni = json::array(), systemIni = json::array();
    for (const IniRow& row : lists.WinIni)
        winIni.push_back(AnsiToUtf8(row.Text));
    for (const IniRow& row : lists.SystemIni)
        systemIni.push_back(AnsiToUtf8(row.Text));
    out["winIni"] = winIni;
    out["systemIni"] = systemIni;

    json drivers = json::array();
    for (const KeyboardFilterRow& driver : lists.KeyboardDrivers)
        drivers.push_back({{"name", AnsiToUtf8(driver.Name)},
                           {"path", AnsiToUtf8(driver.Path)},
                           {"filePresent", FileUsable(driver.Path)}});
    out["keyboardDrivers"] = drivers;

    json services = json::array();
    for (const ServiceRow& service : lists.Services) {
        const bool complete = service.SubItems.size() >= 4;
        services.push_back({{"name", AnsiToUtf8(service.Caption)},
                            {"status", complete ? AnsiToUtf8(service.Status()) : ""},
                            {"path", complete ? AnsiToUtf8(service.Path()) : ""}});
    }
    out["services"] = services;
    return out.dump(2) + "\n";
}

std::string IsoLocalTime()
{
    SYSTEMTIME local;
    GetLocalTime(&local);
    TIME_ZONE_INFORMATION zone;
    const DWORD kind = GetTimeZoneInformation(&zone);
    long bias = zone.Bias + (kind == TIME_ZONE_ID_DAYLIGHT   ? zone.DaylightBias
                             : kind == TIME_ZONE_ID_STANDARD ? zone.StandardBias
                                                             : 0);
    const long offset = -bias; // minutes east of UTC
    char text[40];
    std::snprintf(text, sizeof text, "%04u-%02u-%02uT%02u:%02u:%02u%c%02ld:%02ld", local.wYear, local.wMonth,
                  local.wDay, local.wHour, local.wMinute, local.wSecond, offset < 0 ? '-' : '+',
                  (offset < 0 ? -offset : offset) / 60, (offset < 0 ? -offset : offset) % 60);
    return text;
}
