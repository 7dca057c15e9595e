#include "systools/TfrmMain.h"

namespace {
constexpr int SheetWidth = 616, SheetHeight = 404;

void ReportStyle(TListView* view, std::vector<TListColumn> columns, TImageList* images)
{
    view->Columns = std::move(columns);
    view->ReadOnly = true;
    view->RowSelect = true;
    view->GridLines = true;
    view->SmallImages = images;
}
} // namespace

TfrmMain::TfrmMain(TComponent* owner, std::string name, AppContext& context)
    : TForm(owner, std::move(name)), context_(context)
{
    SetCaption("Runtime & Process Manager");
    SetBounds(0, 0, 640, 470);
    EscapeCloses = true;
    ImageList1 = Make<TImageList>("ImageList1");
    for (const char* image :
         {"IMG_PROGRAM", "IMG_DETAILS", "IMG_REMOVE", "IMG_SERVICE", "IMG_MANUAL", "IMG_AUTOMATIC", "IMG_NONMS"})
        ImageList1->Add(image);
    PageControl = Place<TPageControl>("PageControl", this, "", 8, 8, 624, 430);
    CreateStartupTab();
    CreateServicesTab();
    CreateSpecialKeyTab();
    Label1 = Place<TLabel>("Label1", this, "NOTE: Some changes will not take effect until the Computer is restarted.",
                           10, 446, 620, 18);

    PopupMenu1 = Make<TPopupMenu>("PopupMenu1");
    mnuInf = PopupMenu1->AddItem(this, "mnuInf", "&Detail Information");
    mnuInf->ImageIndex = ImgDetails;
    N1 = PopupMenu1->AddItem(this, "N1", "-");
    mnuDel = PopupMenu1->AddItem(this, "mnuDel", "&Remove from Startup List");
    mnuDel->ImageIndex = ImgRemove;
    PopupMenu2 = Make<TPopupMenu>("PopupMenu2");
    mnuAutomatic = PopupMenu2->AddItem(this, "mnuAutomatic", "&Automatic");
    mnuAutomatic->ImageIndex = ImgAutomatic;
    mnuManual = PopupMenu2->AddItem(this, "mnuManual", "&Manual");
    mnuManual->ImageIndex = ImgManual;
    mnuDisabled = PopupMenu2->AddItem(this, "mnuDisabled", "&Disabled");
    mnuDisabled->ImageIndex = ImgRemove;
    ListView1->PopupMenu = PopupMenu1;
    ListView1_2->PopupMenu = PopupMenu1;
    ListView3->PopupMenu = PopupMenu1;
}

void TfrmMain::CreateStartupTab()
{
    TabSheet1 = Place<TTabSheet>("TabSheet1", PageControl, "&Startup Programs", 4, 24, SheetWidth, SheetHeight);
    PageControl->AddSheet(TabSheet1);
    const std::vector<TListColumn> columns = {{"Startup Item", 150}, {"Command", 330}, {"Location", 90}};
    Label2 = Place<TLabel>("Label2", TabSheet1, "Registry:", 8, 8, 300, 16);
    ListView1 = Place<TListView>("ListView1", TabSheet1, "", 8, 26, 600, 190);
    ReportStyle(ListView1, columns, ImageList1);
    ListView1->CheckBoxes = true;
    Label3 = Place<TLabel>("Label3", TabSheet1, "Startup Folder:", 8, 224, 300, 16);
    ListView1_2 = Place<TListView>("ListView1_2", TabSheet1, "", 8, 242, 600, 154);
    ReportStyle(ListView1_2, columns, ImageList1);
}

void TfrmMain::CreateServicesTab()
{
    TabSheet2 = Place<TTabSheet>("TabSheet2", PageControl, "Services &Manager", 4, 24, SheetWidth, SheetHeight);
    PageControl->AddSheet(TabSheet2);
    ListView2 = Place<TListView>("ListView2", TabSheet2, "", 8, 8, 600, 334);
    ReportStyle(ListView2, {{"Name", 170}, {"Path", 250}, {"Status", 70}, {"StartupType", 90}}, ImageList1);
    ListView2->SortByText = true;
    cmdServiceRestart = Place<TButton>("cmdServiceRestart", TabSheet2, "Restart Service", 8, 350, 110, 28);
    cmdServiceStop = Place<TButton>("cmdServiceStop", TabSheet2, "Stop Service", 124, 350, 110, 28);
    cmdServiceStart = Place<TButton>("cmdServiceStart", TabSheet2, "Start Service", 240, 350, 110, 28);
    cmdServiceChangeStartupMode =
        Place<TButton>("cmdServiceChangeStartupMode", TabSheet2, "Startup mode", 356, 350, 110, 28);
    Label4 = Place<TLabel>("Label4", TabSheet2, "NOTE:", 8, 386, 40, 16);
    Image1 = Place<TImage>("Image1", TabSheet2, "", 50, 385, 16, 16);
    Image1->Picture = "IMG_NONMS";
    Label5 = Place<TLabel>("Label5", TabSheet2, "= Non-Microsoft Service", 70, 386, 300, 16);
}

void TfrmMain::CreateSpecialKeyTab()
{
    TabSheet3 =
        Place<TTabSheet>("TabSheet3", PageControl, "&Keyboard Filter Drivers / Win.ini && System.ini (Special key)", 4,
                         24, SheetWidth, SheetHeight);
    PageControl->AddSheet(TabSheet3);
    Label6 = Place<TLabel>("Label6", TabSheet3, "Keyboard Filter Driver:", 8, 6, 300, 16);
    ListView3 = Place<TListView>("ListView3", TabSheet3, "", 8, 24, 600, 100);
    ReportStyle(ListView3, {{"Name", 180}, {"Path", 390}}, ImageList1);
    Label7 = Place<TLabel>("Label7", TabSheet3,
                           "NOTE: Some Keyboard Filter Drivers is Parts of Spyware. In Standard Windows OS, there is "
                           "no Keyboard Filter Driver. You should remove all Keyboard Filter Drivers in your Computer!",
                           8, 128, 600, 32);
    Label7->WordWrap = true;
    Label8 = Place<TLabel>("Label8", TabSheet3, "System.ini:", 8, 166, 290, 16);
    ListView4 = Place<TListView>("ListView4", TabSheet3, "", 8, 184, 296, 172);
    ReportStyle(ListView4, {{"Item", 270}}, nullptr);
    ListView4->CheckBoxes = true;
    Label9 = Place<TLabel>("Label9", TabSheet3, "Win.ini:", 312, 166, 290, 16);
    ListView5 = Place<TListView>("ListView5", TabSheet3, "", 312, 184, 296, 172);
    ReportStyle(ListView5, {{"Item", 270}}, nullptr);
    ListView5->CheckBoxes = true;
    Label10 = Place<TLabel>("Label10", TabSheet3,
                            "NOTE: Some Drivers maybe Parts of SpyWare. You should disable all unknown Drivers in your "
                            "Computer!",
                            8, 362, 600, 32);
    Label10->WordWrap = true;
}
