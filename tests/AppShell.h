#pragma once
// The program's windows over a headless renderer whose every "process pending
// messages" lets 10 ms pass on the application's clock, so timers such as the
// clean timer run inside loops exactly as they would live, without waiting.
#include <filesystem>
#include <string>

#include "TestFolder.h"
#include "database/DatabaseFile.h"
#include "shell/AppContext.h"
#include "shell/TForm1.h"
#include "shell/TForm2.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"

class TickingRenderer : public HeadlessRenderer {
public:
    void Attach(TApplication& app)
    {
        app_ = &app;
        HeadlessRenderer::Attach(app);
    }
    void ProcessMessages() override
    {
        HeadlessRenderer::ProcessMessages();
        if (app_)
            app_->AdvanceClock(10);
    }

private:
    TApplication* app_ = nullptr;
};

// All nine windows with the shipped database, the program folder (and so the
// quarantine) in the test's folder, over whatever renderer the context's application has.
inline void CreateTestWindows(AppContext& context, const TestFolder& folder)
{
    std::filesystem::copy_file(ProgramFolder() + "files.dat", folder / "files.dat");
    context.Env.ProgramFolder = folder.Path() + "\\";
    context.Env.WindowsName = "Microsoft Windows XP Professional Service Pack 3 (Build 2600)";
    context.Env.OpenDocument = [](const std::string&) {};
    CreateAppWindows(context);
}

struct AppShell {
    explicit AppShell(const TestFolder& folder)
    {
        renderer.Attach(app);
        CreateTestWindows(context, folder);
    }
    TickingRenderer renderer;
    TApplication app{&renderer};
    SharedState state;
    AppContext context{app, state, {}};
    TForm1& Main() { return *context.Form1; }

    // An alert as the quick scan leaves it: a record and, unless it has none, a line.
    void AddFileAlert(const std::string& path, const std::string& name, bool checked = true)
    {
        TFileList record;
        record.Path = path;
        record.Name = name;
        record.ListIndex = Main().AlertLineCount(); // its position once "Scanning..." is gone
        Main().List1->Add("Infected with " + name, checked);
        state.AlertRecords.push_back(record);
        ++state.DetectionCount;
    }
    // The main window on its scan page. The start-up timers are stopped, as they
    // have fired long before a scan ends.
    void ShowScanPage()
    {
        Main().Show();
        Main().ShowPage(TForm1::ScanPage);
        Main().Timer3->SetEnabled(false);
        context.Form2->Timer1->SetEnabled(false);
    }
    // After a scan that found something, "Fix" and "Add to Quarantine" are on.
    void ScanFinished()
    {
        ShowScanPage();
        Main().Button2->SetEnabled(true);
        Main().xpButton5->SetEnabled(true);
    }
    bool Logged(const std::string& line) const
    {
        for (const std::string& l : context.Form1->Memo2->Lines())
            if (l == line)
                return true;
        return false;
    }
    // A log line ending with the text (log lines begin with the time of day).
    bool LoggedEnding(const std::string& text) const
    {
        for (const std::string& l : context.Form1->Memo2->Lines())
            if (l.size() >= text.size() && l.compare(l.size() - text.size(), text.size(), text) == 0)
                return true;
        return false;
    }
};
