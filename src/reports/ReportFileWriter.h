#pragma once
#include <windows.h>

#include <string>

#include "platform/Handles.h"

// Information.txt while the full report is written: lines end in CR LF, and a CR
// or LF inside a line (a value's data, a path) is written as a blank, so text from
// the machine never breaks the file's line structure. After the first failure
// nothing more is written and Failed() holds.
class ReportFileWriter {
public:
    // Creates or empties the file.
    explicit ReportFileWriter(const std::string& path);
    ~ReportFileWriter();
    ReportFileWriter(const ReportFileWriter&) = delete;
    ReportFileWriter& operator=(const ReportFileWriter&) = delete;

    void Write(const std::string& line);
    // Writes what is buffered and closes the file; false when anything failed.
    bool Close();
    bool Failed() const { return failed_; }

private:
    void Flush();

    UniqueHandle file_;
    std::string buffer_;
    bool failed_ = false;
};
