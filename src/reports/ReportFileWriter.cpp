#include "reports/ReportFileWriter.h"

namespace {
constexpr size_t FlushSize = 64 * 1024;
}

ReportFileWriter::ReportFileWriter(const std::string& path)
    : file_(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                        nullptr))
{
    failed_ = !file_.Valid();
}

ReportFileWriter::~ReportFileWriter()
{
    Close();
}

void ReportFileWriter::Write(const std::string& line)
{
    if (failed_)
        return;
    const size_t start = buffer_.size();
    buffer_ += line;
    for (size_t i = start; i < buffer_.size(); ++i)
        if (buffer_[i] == '\r' || buffer_[i] == '\n')
            buffer_[i] = ' ';
    buffer_ += "\r\n";
    if (buffer_.size() >= FlushSize)
        Flush();
}

void ReportFileWriter::Flush()
{
    if (failed_ || buffer_.empty())
        return;
    DWORD written = 0;
    if (!WriteFile(file_.Get(), buffer_.data(), static_cast<DWORD>(buffer_.size()), &written, nullptr) ||
        written != buffer_.size())
        failed_ = true;
    buffer_.clear();
}

bool ReportFileWriter::Close()
{
    if (!file_.Valid())
        return !failed_;
    Flush();
    file_.Reset(); // a failure in closing is ignored
    return !failed_;
}
