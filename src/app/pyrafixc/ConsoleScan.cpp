#include "ConsoleScan.h"

#include "core/TextHelpers.h"
#include "platform/LocalTime.h"
#include "systools/StartupValuesPage.h"

void ConsoleScanWindow::Log(const std::string& line)
{
    out_ << line << "\n";
    out_.flush();
}

std::string ConsoleScanWindow::Now()
{
    return LongTimeText();
}

void ConsoleScanWindow::RefreshStartupPrograms()
{
    RefreshStartupRecords(state_);
}

void ConsoleScanWindow::Print(Msg caption, const std::string& text)
{
    // A box breaks its lines with CR; the console keeps a message on one line.
    out_ << state_.Messages.Text(caption) << ": " << ReplaceAll(ReplaceAll(text, "\r\n", " "), "\r", " ") << "\n";
    out_.flush();
}

bool ConsoleScanWindow::AskAlert(const std::string& text)
{
    Print(Msg::AlertCaption, text);
    return false;
}

void ConsoleScanWindow::Inform(const std::string& text)
{
    Print(Msg::InformationCaption, text);
}

bool ConsoleScanWindow::Ask(const std::string& text)
{
    Print(Msg::QuestionCaption, text);
    return false;
}
