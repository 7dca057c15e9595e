// The main window's controls, in their creation order (language files walk it).
#include "shell/TForm1.h"

namespace {
constexpr int PageWidth = 640, PageHeight = 428;
constexpr int RowTop = 388, ButtonHeight = 28;

const char HomeText[] = "Pyrafix Pro v4 - SE finds and removes worms, viruses, spyware and adware that start "
                        "with Windows.\r\n\r\n"
                        "Scan for viruses: a quick scan of the files, processes and startup programs named "
                        "by the detection database; found files can be fixed or moved into the quarantine.\r\n\r\n"
                        "Update: fetches the newest detection database from the update server.\r\n\r\n"
                        "Process, Services and Startup managers: look at and stop what runs on this computer.\r\n\r\n"
                        "Full report log: writes Information.txt about this computer for you or for support.\r\n\r\n"
                        "Version 4 - SE: quarantine manager, services manager, language files, full report log.";
} // namespace

void TForm1::CreateHomePage(TPage* page)
{
    Image1 = Place<TImage>("Image1", page, "", 20, 16, 48, 48);
    Image1->Picture = "MAINICON";
    GroupBox1 = Place<TGroupBox>("GroupBox1", page, "Welcome", 84, 8, 540, 60);
    Label2 = Place<TLabel>("Label2", GroupBox1, "Last Update: ", 14, 26, 500, 18);
    int top = 84;
    const auto command = [&](auto* button) {
        button->SetBounds(16, top, 200, ButtonHeight);
        top += 30;
        return button;
    };
    Button4 = command(Place<TButton>("Button4", page, "Scan for viruses", 0, 0, 0, 0));
    Button7 = command(Place<TButton>("Button7", page, "Update", 0, 0, 0, 0));
    Button8 = command(Place<TButton>("Button8", page, "Process Manager", 0, 0, 0, 0));
    xpButton15 = command(Place<TxpButton>("xpButton15", page, "Services Manager", 0, 0, 0, 0));
    Button9 = command(Place<TButton>("Button9", page, "Startup files", 0, 0, 0, 0));
    Button10 = command(Place<TButton>("Button10", page, "Full report log", 0, 0, 0, 0));
    xpButton6 = command(Place<TxpButton>("xpButton6", page, "Quarantine", 0, 0, 0, 0));
    xpButton3 = command(Place<TxpButton>("xpButton3", page, "Report bug", 0, 0, 0, 0));
    xpButton4 = command(Place<TxpButton>("xpButton4", page, "Report virus", 0, 0, 0, 0));
    Button18 = command(Place<TButton>("Button18", page, "About", 0, 0, 0, 0));
    Button17 = command(Place<TButton>("Button17", page, "Close", 0, 0, 0, 0));
    Memo1 = Place<TMemo>("Memo1", page, "", 232, 84, 392, 328);
    Memo1->ReadOnly = true;
    Memo1->VerticalScrollBar = true;
    Memo1->SetText(HomeText);
}

void TForm1::CreateScanPage(TPage* page)
{
    Label1 = Place<TLabel>("Label1", page, "Worms && Viruses list:", 16, 12, 300, 18);
    List1 = Place<TCheckListBox>("List1", page, "", 16, 32, 608, 180);
    List1->ItemHeight = 20;
    Memo2 = Place<TMemo>("Memo2", page, "", 16, 220, 608, 156);
    Memo2->ReadOnly = true;
    Memo2->VerticalScrollBar = true;
    Button1 = Place<TButton>("Button1", page, "Quick scan", 16, RowTop, 110, ButtonHeight);
    Button2 = Place<TButton>("Button2", page, "Fix", 134, RowTop, 110, ButtonHeight);
    Button3 = Place<TButton>("Button3", page, "Abort", 252, RowTop, 110, ButtonHeight);
    xpButton5 = Place<TxpButton>("xpButton5", page, "Add to Quarantine", 370, RowTop, 140, ButtonHeight);
    Button6 = Place<TButton>("Button6", page, "Back", 514, RowTop, 110, ButtonHeight);
    Button2->SetEnabled(false);
    Button3->SetEnabled(false);
    xpButton5->SetEnabled(false);
}

void TForm1::CreateToolPages()
{
    TPage* processes = Note1->AddPage("2");
    Label3 = Place<TLabel>("Label3", processes, "Active processes:", 16, 12, 300, 18);
    List2 = Place<TListView>("List2", processes, "", 16, 32, 608, 318);
    List2->CheckBoxes = true;
    List2->RowSelect = true;
    List2->Columns = {{"Active process", 580}};
    cbx1 = Place<TCheckBox>("cbx1", processes, "Delete process from your hard drive!", 16, 358, 400, 20);
    Button11 = Place<TButton>("Button11", processes, "End Task", 278, RowTop, 110, ButtonHeight);
    Button12 = Place<TButton>("Button12", processes, "Refresh", 396, RowTop, 110, ButtonHeight);
    Button13 = Place<TButton>("Button13", processes, "Back", 514, RowTop, 110, ButtonHeight);

    TPage* startup = Note1->AddPage("0");
    Label4 = Place<TLabel>("Label4", startup, "Startup files:", 16, 12, 300, 18);
    List3 = Place<TListView>("List3", startup, "", 16, 32, 608, 344);
    List3->CheckBoxes = true;
    List3->RowSelect = true;
    List3->Columns = {{"Program Key", 200}, {"Program Value", 380}};
    Button14 = Place<TButton>("Button14", startup, "Delete values", 160, RowTop, 110, ButtonHeight);
    Button15 = Place<TButton>("Button15", startup, "Refresh", 278, RowTop, 110, ButtonHeight);
    xpButton14 = Place<TxpButton>("xpButton14", startup, "Details", 396, RowTop, 110, ButtonHeight);
    Button16 = Place<TButton>("Button16", startup, "Back", 514, RowTop, 110, ButtonHeight);

    CreateAboutPage(Note1->AddPage("About"));

    TPage* services = Note1->AddPage("Service Manager");
    ListView2 = Place<TListView>("ListView2", services, "", 16, 12, 608, 364);
    ListView2->Columns = {{"Name", 170}, {"Path", 250}, {"Status", 70}, {"StartupType", 90}};
    ListView2->ReadOnly = true;
    ListView2->RowSelect = true;
    ListView2->GridLines = true;
    ListView2->SortByText = true;
    xpButton9 = Place<TxpButton>("xpButton9", services, "Stop Service", 16, RowTop, 96, ButtonHeight);
    xpButton10 = Place<TxpButton>("xpButton10", services, "Start Service", 118, RowTop, 96, ButtonHeight);
    xpButton11 = Place<TxpButton>("xpButton11", services, "Restart Service", 220, RowTop, 110, ButtonHeight);
    xpButton12 = Place<TxpButton>("xpButton12", services, "Refresh", 336, RowTop, 90, ButtonHeight);
    xpButton13 = Place<TxpButton>("xpButton13", services, "Details", 432, RowTop, 90, ButtonHeight);
    xpButton8 = Place<TxpButton>("xpButton8", services, "Back", 528, RowTop, 96, ButtonHeight);
}

void TForm1::CreateAboutPage(TPage* page)
{
    Image2 = Place<TImage>("Image2", page, "", 40, 40, 48, 48);
    Image2->Picture = "MAINICON";
    Label5 = Place<TLabel>("Label5", page, "Pyrafix Pro v4 - SE", 110, 40, 480, 24);
    Label5->Bold = true;
    Label6 = Place<TLabel>("Label6", page, "Malware detection and removal for 64-bit Windows Vista and later.", 110, 70,
                           480, 18);
    Label7 = Place<TLabel>("Label7", page, "Copyright (C) Zentrova. All rights reserved.", 110, 92, 480, 18);
    Label8 = Place<TLabel>("Label8", page, "Send us the files we miss and the errors you meet:", 110, 140, 480, 18);
    xpButton1 = Place<TxpButton>("xpButton1", page, "Report bug", 110, 166, 150, ButtonHeight);
    xpButton2 = Place<TxpButton>("xpButton2", page, "Report virus", 268, 166, 150, ButtonHeight);
    xpButton25 = Place<TxpButton>("xpButton25", page, "Select language", 110, 214, 150, ButtonHeight);
    Button19 = Place<TButton>("Button19", page, "Back", 514, RowTop, 110, ButtonHeight);
}

TForm1::TForm1(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Pyrafix Pro v4 - SE");
    SetBounds(0, 0, PageWidth, PageHeight + 22);
    Note1 = Place<TNotebook>("Note1", this, "", 0, 0, PageWidth, PageHeight);
    CreateHomePage(Note1->AddPage("Default"));
    CreateScanPage(Note1->AddPage("1"));
    CreateToolPages();

    sb1 = Place<TStatusBar>("sb1", this, "", 0, PageHeight, PageWidth, 22);
    sb1->AddPanel(300);
    sb1->AddPanel(160, "Pyrafix Pro v4 - SE");
    sb1->SetPanelFitText(1, sb1->PanelText(1));
    sb1->AddPanel(180);

    MainMenu1 = Make<TMainMenu>("MainMenu1");
    mm1 = MainMenu1->AddItem(this, "mm1", "Fix current threats");
    mm2 = MainMenu1->AddItem(this, "mm2", "Add to Quarantine");
    mm3 = MainMenu1->AddItem(this, "mm3", "Report false positive");
    mm4 = MainMenu1->AddItem(this, "mm4", "Save scan report");
    for (TMenuItem* item : MainMenu1->Items())
        item->Visible = false;
    Menu = MainMenu1;

    Timer1 = Make<TTimer>("Timer1");
    Timer1->SetInterval(10);
    Timer3 = Make<TTimer>("Timer3");
    Timer3->SetInterval(2000);
    Get1 = Make<THTTPGet>("Get1");
    Get2 = Make<THTTPGet>("Get2");
    BindCommands();
}
