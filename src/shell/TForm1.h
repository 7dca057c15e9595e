#pragma once
#include <string>
#include <utility>
#include <vector>

#include "shell/AppContext.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"
#include "update/HttpGet.h"

// The main window: a page book switched by buttons, a status bar and the timers.
// Commands that belong to the scan, the system tools and the updates are wired by
// assigning their buttons' OnClick; the page commands here call those handlers.
class TForm1 : public TForm {
public:
    TForm1(TComponent* owner, std::string name, AppContext& context);

    TNotebook* Note1;
    // Page 0, home.
    TImage* Image1;
    TGroupBox* GroupBox1;
    TLabel* Label2;
    TMemo* Memo1;
    TButton *Button4, *Button7, *Button8;
    TxpButton* xpButton15;
    TButton *Button9, *Button10;
    TxpButton *xpButton6, *xpButton3, *xpButton4;
    TButton *Button18, *Button17;
    // Page 1, scan.
    TLabel* Label1;
    TCheckListBox* List1;
    TMemo* Memo2;
    TButton *Button1, *Button2, *Button3;
    TxpButton* xpButton5;
    TButton* Button6;
    // Page 2, processes.
    TLabel* Label3;
    TListView* List2;
    TCheckBox* cbx1;
    TButton *Button11, *Button12, *Button13;
    // Page 3, startup files.
    TLabel* Label4;
    TListView* List3;
    TButton *Button14, *Button15;
    TxpButton* xpButton14;
    TButton* Button16;
    // Page 4, about.
    TImage* Image2;
    TLabel *Label5, *Label6, *Label7, *Label8;
    TxpButton *xpButton1, *xpButton2, *xpButton25;
    TButton* Button19;
    // Page 5, services.
    TListView* ListView2;
    TxpButton *xpButton9, *xpButton10, *xpButton11, *xpButton12, *xpButton13, *xpButton8;

    TStatusBar* sb1;
    TMainMenu* MainMenu1;
    TMenuItem *mm1, *mm2, *mm3, *mm4;
    TTimer *Timer1, *Timer3;
    // The update's downloads: database files, and the list page.
    THTTPGet *Get1, *Get2;

    // Runs the start-up update check of the update room when wired.
    TNotifyEvent StartupUpdateCheck;

    void FormCreate();
    void FormShow();
    void FormClose();
    void FormResize();
    void Timer1Timer();
    void Timer3Timer();
    void Note1Enter();
    void Button4Click();
    void Button8Click();
    void xpButton15Click();
    void Button10Click();
    void ShowPage(int index);
    void ShowDatabaseDate();

    // What the rooms ask of the main window; they never write its controls.
    // The scan log Memo2 and status panel 0.
    void ClearLog();
    void AddLogLine(const std::string& line);
    void SetStatus(const std::string& text);
    // Scanning: "Abort" on, "Quick scan" off, "Back" hidden; idle: the reverse.
    void SetScanning(bool scanning);
    // "Fix" and "Add to Quarantine" together; the cleaning commands do nothing while off.
    void SetFixEnabled(bool on);
    bool FixEnabled() const;
    // The timer that counts CleanSeconds while a file is being cleaned.
    void SetCleanTimer(bool on);
    // The alert list List1. While a scan runs its line 0 is the disabled "Scanning..."
    // line; alert lines are numbered as they stand once that line is gone.
    void ClearAlertList();
    void ShowScanningLine();
    void RemoveScanningLine();
    int AlertLineCount() const;                 // without the "Scanning..." line
    void AddAlertLine(const std::string& text); // checked
    void AddDisabledAlertLine(const std::string& text);
    bool AlertLineChecked(int index) const;
    void SetAlertLine(int index, const std::string& text);
    // The process page: its rows, their count caption, the checked rows and whether
    // the files are to be deleted too.
    void ShowProcessRows(const std::vector<std::string>& rows, const std::string& countCaption);
    std::vector<std::string> CheckedProcessRows() const;
    bool DeleteProcessFiles() const;
    // The startup files page: one row per record (value name, data) and the checked
    // rows as (value name, data).
    void ShowStartupRecords(const std::vector<StartupF>& records);
    std::vector<std::pair<std::string, std::string>> CheckedStartupRows() const;
    // The update: the home page's database line Label2, status panel 2, and "Scan for
    // viruses" with "Update", which are off while a database download runs.
    void SetUpdateLabel(const std::string& text);
    void SetDatabaseStatus(const std::string& text);
    void SetUpdateCommandsEnabled(bool on);
    // While the full report is built: "Full report log" reads "Abort log", the window
    // stays enabled, "Scan for viruses" and "Update" are off; afterwards the reverse.
    void SetReportBuilding(bool building);

    enum Page { HomePage = 0, ScanPage = 1, ProcessPage = 2, StartupPage = 3, AboutPage = 4, ServicePage = 5 };
    // The widest database date status panel 2 shows whole after message 62: a date and
    // an update number of five digits.
    static constexpr char WidestDatabaseDate[] = "28.09.2028, Upd 99999";

private:
    void CreateHomePage(TPage* page);
    void CreateScanPage(TPage* page);
    void CreateToolPages();
    void CreateAboutPage(TPage* page);
    void BindCommands();
    void ShowHintOnMove(TControl* control, Msg row);
    void ShowManagerTab(TTabSheet* sheet);

    AppContext& context_;
    bool scanningLineShown_ = false;
};
