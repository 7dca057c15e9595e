#pragma once
#include <string>
#include <vector>

#include "core/DatabaseText.h"
#include "core/IniLines.h"
#include "core/LineSink.h"
#include "core/ServiceRows.h"
#include "model/SharedState.h"
#include "systools/KeyboardFilters.h"
#include "systools/StartupPrograms.h"

// The system tools' lists the report's last sections are written from.
struct ReportLists {
    std::vector<StartupRow> StartupFolders;
    std::vector<IniRow> WinIni;
    std::vector<IniRow> SystemIni;
    std::vector<KeyboardFilterRow> KeyboardDrivers;
    std::vector<ServiceRow> Services;
};

// The lists as the machine has them now.
ReportLists LoadReportLists(const MessageTable& messages, const Pump& pump = {});

// What the full report runs: the main window runs its own pages, the console the
// same work without windows.
class FullReportView {
public:
    virtual ~FullReportView() = default;
    // The quick scan with ReportMode set: it writes its lines with WriteReportLine.
    virtual void ScanInReportMode() = 0;
    // The process page's refresh, writing its report lines to `report`; its rows.
    virtual std::vector<std::string> RefreshProcesses(const LineSink& report) = 0;
    // The startup files page's refresh, writing its report lines to `report`.
    virtual void RefreshStartupRecords(const LineSink& report) = 0;
    // The startup programs, keyboard filter, INI and services lists reloaded, as the
    // services page's "Refresh" does.
    virtual ReportLists ReloadLists() = 0;
    virtual void Pump() = 0;
};

// The six header lines and the empty line after them.
std::vector<std::string> ReportHeaderLines(const MessageTable& messages, const std::string& date,
                                           const std::string& time, const std::string& windowsName);

// The sections after the scan, process and startup parts: the lists reloaded, the
// startup locations collected, then the detail report, startup folder, Win.ini,
// System.ini, keyboard drivers and services sections, as the report flags ask.
// Nothing unless ReportMode is set. Returns the lists it wrote from.
ReportLists BuildReportSections(SharedState& state, FullReportView& view, const LineSink& report);

// What a build wrote, for a caller that also writes it in another form.
struct FullReportResult {
    bool Written = false; // the file was created and written whole
    std::vector<std::string> Processes;
    ReportLists Lists;
};

// The whole report into `path`: header, quick scan, processes, startup values,
// sections and "Finished...". Sets ReportMode and the report file for the build and
// clears both after it. An abort (AbortRequested, with ReportMode cleared) ends the
// writing of sections; "Finished..." still closes the file.
FullReportResult BuildFullReport(SharedState& state, const std::string& path, const std::vector<std::string>& header,
                                 FullReportView& view);
