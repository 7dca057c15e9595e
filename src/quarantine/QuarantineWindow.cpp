#include "platform/FileSystem.h"
#include "quarantine/TForm9.h"
#include "ui/Application.h"

namespace {
// The task of a file the user adds by hand.
const char ByHand[] = "Unknown";
} // namespace

void TForm9::BindCommands()
{
    OnShow = [this] { FormShow(); };
    xpButton6->OnClick = [this] { xpButton6Click(); };
    xpButton3->OnClick = [this] { xpButton3Click(); };
    xpButton2->OnClick = [this] { xpButton2Click(); };
    xpButton4->OnClick = [this] { xpButton4Click(); };
    xpButton5->OnClick = [this] { xpButton5Click(); };
}

void TForm9::FormShow()
{
    xpButton6Click();
}

void TForm9::xpButton6Click()
{
    List1->Clear();
    for (const TQFileList& entry : RefreshQuarantineList(context_.Quarantine)) {
        TListItem row;
        row.Caption = entry.FileName;
        row.SubItems = {entry.Task, entry.Added};
        row.Checked = true;
        List1->Add(std::move(row));
    }
}

void TForm9::xpButton3Click()
{
    if (!Open1->Execute() || !FileExists(Open1->FileName))
        return;
    TApplication& app = context_.App;
    const std::string& file = Open1->FileName;
    if (QuarantineContains(context_.Quarantine, file)) {
        app.ShowMessageBox(context_.Text(Msg::AlreadyInQuarantine), context_.Text(Msg::InformationCaption),
                           mbOk | mbIconInformation);
    } else if (QuarantineAdd(context_.Quarantine, file, ByHand, "")) {
        app.ShowMessageBox(context_.Text(Msg::FileAddedToQuarantine), context_.Text(Msg::InformationCaption),
                           mbOk | mbIconInformation);
        xpButton6Click();
    } else {
        app.ShowMessageBox(context_.Text(Msg::CannotAddToQuarantine), context_.Text(Msg::ErrorCaption),
                           mbOk | mbIconError);
    }
}

std::vector<bool> TForm9::CheckedRows() const
{
    std::vector<bool> checked;
    for (const TListItem& row : List1->Items())
        checked.push_back(row.Checked);
    return checked;
}

RowReport TForm9::RowCaptions(Msg startedRow, Msg succeededRow, Msg failedRow, Msg statusRow)
{
    return [=](int row, const TQFileList& entry, RowStep step) {
        switch (step) {
        case RowStep::Started:
            List1->SetCaption(row, context_.Text(startedRow));
            Bar1->SetSimpleText(context_.Text(statusRow) + entry.FileName);
            break;
        case RowStep::Succeeded:
            List1->SetCaption(row, context_.Text(succeededRow));
            break;
        case RowStep::Failed:
            List1->SetCaption(row, context_.Text(failedRow));
            break;
        }
    };
}

void TForm9::xpButton2Click()
{
    TApplication& app = context_.App;
    if (!app.Confirm(context_.Text(Msg::RestoreQuestion), context_.Text(Msg::QuestionCaption)))
        return;
    RestoreCheckedRows(context_.Quarantine, CheckedRows(),
                       RowCaptions(Msg::Restoring, Msg::FileRestored, Msg::CannotRestoreFile, Msg::RestoringStatus));
    app.ShowMessageBox(context_.Text(Msg::TasksRestored), context_.Text(Msg::InformationCaption),
                       mbOk | mbIconInformation);
}

void TForm9::xpButton4Click()
{
    TApplication& app = context_.App;
    if (!app.Confirm(context_.Text(Msg::DeleteTasksQuestion), context_.Text(Msg::QuestionCaption),
                     mbIconQuestion | mbNotTopMost))
        return;
    if (RemoveCheckedRows(context_.Quarantine, CheckedRows(),
                          RowCaptions(Msg::Deleting, Msg::TaskRemoved, Msg::CannotRemoveTask, Msg::DeletingStatus)))
        app.ShowMessageBox(context_.Text(Msg::TasksRemoved), context_.Text(Msg::InformationCaption),
                           mbOk | mbIconInformation);
    else
        app.ShowMessageBox(context_.Text(Msg::CannotSaveQuarantineIndex) + context_.Quarantine.IndexFile() + ".",
                           context_.Text(Msg::ErrorCaption), mbOk | mbIconError);
}

void TForm9::xpButton5Click()
{
    TApplication& app = context_.App;
    if (!app.Confirm(context_.Text(Msg::ClearQuarantineQuestion), context_.Text(Msg::QuestionCaption),
                     mbIconQuestion | mbNotTopMost))
        return;
    List1->Clear();
    if (ClearQuarantine(context_.Quarantine))
        app.ShowMessageBox(context_.Text(Msg::QuarantineCleared), context_.Text(Msg::InformationCaption),
                           mbOk | mbIconInformation);
    else
        app.ShowMessageBox(context_.Text(Msg::CannotDeleteQuarantineIndex) + context_.Quarantine.IndexFile() + ".",
                           context_.Text(Msg::ErrorCaption), mbOk | mbIconError);
}
