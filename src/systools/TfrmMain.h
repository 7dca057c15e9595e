#pragma once
#include "shell/AppContext.h"
#include "ui/ComCtrls.h"
#include "ui/Form.h"
#include "ui/ListView.h"
#include "ui/Menus.h"
#include "ui/Misc.h"
#include "ui/StdControls.h"

// "Runtime & Process Manager": startup programs, services, keyboard filters and
// INI lines on three tabs. Filling and commands belong to the system tools.
class TfrmMain : public TForm {
public:
    TfrmMain(TComponent* owner, std::string name, AppContext& context);

    TImageList* ImageList1;
    TPageControl* PageControl;
    TTabSheet* TabSheet1;
    TLabel* Label2;
    TListView* ListView1;
    TLabel* Label3;
    TListView* ListView1_2;
    TTabSheet* TabSheet2;
    TListView* ListView2;
    TButton *cmdServiceRestart, *cmdServiceStop, *cmdServiceStart, *cmdServiceChangeStartupMode;
    TLabel* Label4;
    TImage* Image1;
    TLabel* Label5;
    TTabSheet* TabSheet3;
    TLabel* Label6;
    TListView* ListView3;
    TLabel *Label7, *Label8;
    TListView* ListView4;
    TLabel* Label9;
    TListView* ListView5;
    TLabel *Label10, *Label1;
    TPopupMenu* PopupMenu1;
    TMenuItem *mnuInf, *N1, *mnuDel;
    TPopupMenu* PopupMenu2;
    TMenuItem *mnuAutomatic, *mnuManual, *mnuDisabled;

    enum Image { ImgProgram, ImgDetails, ImgRemove, ImgService, ImgManual, ImgAutomatic, ImgNonMicrosoft };

private:
    void CreateStartupTab();
    void CreateServicesTab();
    void CreateSpecialKeyTab();

    AppContext& context_;
};
