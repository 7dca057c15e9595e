#include <windows.h>

#include <memory>
#include <set>

#include "core/PathText.h"
#include "core/ReportRowRules.h"
#include "database/FileHelpers.h"
#include "reports/ReportCommands.h"
#include "reports/ReportManager.h"
#include "scan/RegBase.h"
#include "systools/Processes.h"
#include "systools/Services.h"
#include "systools/TFormR.h"
#include "ui/Application.h"

namespace {

const char DeleteItemsQuestion[] = "Do you want to delete selected items?";
const char DeleteProcessesQuestion[] = "Do you want to delete selected proceses?";
const char DeleteFilesQuestion[] = "Do you want to delete selected files?";
const char DeleteFileQuestion[] = "Do you want to delete selected file?";

enum Column { FileNameColumn, SizeColumn, KeyColumn };

bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileNameOf(const TListItem& item)
{
    return item.SubItems.empty() ? std::string() : item.SubItems[FileNameColumn];
}

// The window's commands. One runs at a time: each keeps the window responsive while
// it waits, and a second one started meanwhile would remove rows under the first.
class ReportManager : public std::enable_shared_from_this<ReportManager> {
public:
    explicit ReportManager(AppContext& context) : context_(context), form_(*context.FormR) {}

    void Wire()
    {
        // The handlers keep the commands alive as long as the window has them.
        const std::shared_ptr<ReportManager> self = shared_from_this();
        form_.OnShow = [this, self] { DisplayFullLogFile(context_); };
        form_.xpButton1->OnClick = [this, self] { DisplayFullLogFile(context_); };
        form_.xpButton2->OnClick = [this, self] { Run([this] { DeleteSelected(); }); };
        form_.Deleteselected1->OnClick = form_.xpButton2->OnClick;
        form_.Terminateprocess1->OnClick = [this, self] { Run([this] { TerminateProcesses(); }, false); };
        form_.Deleteprocess1->OnClick = [this, self] { Run([this] { DeleteRows(DeleteProcessesQuestion); }); };
        form_.MenuItem1->OnClick = [this, self] { Run([this] { DeleteValues(); }, false); };
        form_.MenuItem2->OnClick = [this, self] { Run([this] { DeleteRows(DeleteFilesQuestion); }); };
        form_.MenuItem4->OnClick = [this, self] { Run([this] { TerminateService(); }); };
        form_.MenuItem5->OnClick = [this, self] { Run([this] { DeleteOneFile(); }); };
        form_.Timer1->OnTimer = [this, self] { form_.DeleteSeconds += 0.01L; };
        TListView& list = *form_.List1;
        list.OnSelectItem = [this, self](int index, bool) { SelectionChanged(index); };
        // A selection that moves chooses by its row; a click into the list (a left click,
        // also the one that ticks a box) then by the checked rows. A right click or the
        // keys only select, so the menu of a service row is reached that way.
        list.OnClick = [this, self] { ChooseMenuByCheckedRows(); };
        list.OnCustomDrawItem = [this, self](int index, uint32_t& background, uint32_t& text) {
            const TListItem& item = form_.List1->Item(index);
            const std::string size = item.SubItems.size() > SizeColumn ? item.SubItems[SizeColumn] : "";
            const RowColours colours = ColoursForRow(item.Checked, size, size == "0" && FileUsable(FileNameOf(item)));
            if (colours.Background != DefaultColour)
                background = colours.Background;
            if (colours.Text != DefaultColour)
                text = colours.Text;
        };
    }

private:
    TPopupMenu* MenuOf(ReportMenu menu) const
    {
        switch (menu) {
        case ReportMenu::Processes:
            return form_.Pop2;
        case ReportMenu::Values:
            return form_.Pop3;
        case ReportMenu::Service:
            return form_.Pop4;
        default:
            return form_.Pop1;
        }
    }

    void SelectionChanged(int index)
    {
        const TListItem& item = form_.List1->Item(index);
        form_.SelectedPath = FileNameOf(item);
        form_.List1->PopupMenu = MenuOf(MenuForRow(item.Caption));
    }

    void ChooseMenuByCheckedRows()
    {
        std::vector<std::string> kinds;
        for (int i = 0; i < form_.List1->Count(); ++i) {
            Pump();
            if (i < form_.List1->Count() && form_.List1->Item(i).Checked)
                kinds.push_back(form_.List1->Item(i).Caption);
        }
        form_.List1->PopupMenu = MenuOf(MenuForCheckedRows(kinds));
    }

    // Runs a command unless another one is running; a failure ends it with "Error."
    // where the command reports failures.
    void Run(const std::function<void()>& command, bool reportsFailure = true)
    {
        if (busy_)
            return;
        busy_ = true;
        try {
            command();
        } catch (const std::exception&) {
            if (reportsFailure)
                context_.App.ShowMessageBox("Error.", "Error", mbIconError);
        }
        busy_ = false;
    }

    void Pump() { context_.App.ProcessMessages(); }
    bool Ask(const std::string& question)
    {
        return context_.App.ShowMessageBox(question, "Question", mbYesNo | mbIconQuestion) == idYes;
    }
    void CannotDelete(const std::string& path)
    {
        context_.App.ShowMessageBox("Cannot delete file " + path + ".", "Error", mbIconError);
    }

    void RemoveFile(const std::string& path)
    {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(path.c_str());
    }

    void FirstAttempt(const std::string& path)
    {
        EndProcessesByName(FileNamePart(path));
        Pump();
        RemoveFile(path);
    }

    // Until the file is gone or more than four seconds were counted: a service that
    // runs it is stopped and its processes ended first.
    void RetryDelete(const std::string& path)
    {
        std::vector<ServiceRow> services = ServiceListRows(context_.Text(Msg::CannotGetServiceList));
        do {
            StopServiceByPath(services, path, [this] { Pump(); });
            EndProcessesByName(FileNamePart(path));
            Pump();
            RemoveFile(path);
        } while (Exists(path) && form_.DeleteSeconds <= 4);
    }

    void PersistentDelete(const std::string& path)
    {
        form_.DeleteSeconds = 0;
        form_.Timer1->SetEnabled(true);
        RetryDelete(path);
        form_.Timer1->SetEnabled(false);
    }

    // Deletes the checked rows' files, from the first row again after each success;
    // a row that failed stays checked and is reported once, not tried again. False
    // when no row was checked.
    bool DeleteCheckedRows(bool removeValues)
    {
        TListView& list = *form_.List1;
        std::set<std::string> failed;
        bool anyChecked = false;
        for (int i = 0; i < list.Count();) {
            const std::string path = FileNameOf(list.Item(i));
            if (!list.Item(i).Checked || failed.count(path)) {
                ++i;
                continue;
            }
            anyChecked = true;
            FirstAttempt(path);
            if (removeValues)
                RemoveStartupValuesFor(path);
            PersistentDelete(path);
            if (!Exists(path)) {
                list.Delete(i);
                i = 0;
            } else {
                CannotDelete(path);
                failed.insert(path);
                ++i;
            }
        }
        return anyChecked;
    }

    int SelectedRow() const
    {
        const int index = form_.List1->SelectedIndex();
        if (index < 0)
            throw std::runtime_error("no row is selected");
        return index;
    }

    void DeleteSelected()
    {
        if (Ask(DeleteItemsQuestion))
            DeleteCheckedRows(true);
    }

    void DeleteRows(const char* question)
    {
        if (!Ask(question) || DeleteCheckedRows(false))
            return;
        const int index = SelectedRow();
        const std::string path = FileNameOf(form_.List1->Item(index));
        FirstAttempt(path);
        PersistentDelete(path);
        if (Exists(path))
            CannotDelete(path);
        else
            form_.List1->Delete(index);
    }

    // Runs `action` on each checked row's file and removes the row; with none checked,
    // on the last selected path, removing the selected row.
    void ForCheckedOrSelected(const std::function<void(const std::string&)>& action)
    {
        TListView& list = *form_.List1;
        bool anyChecked = false;
        for (int i = 0; i < list.Count();) {
            if (!list.Item(i).Checked) {
                ++i;
                continue;
            }
            anyChecked = true;
            action(FileNameOf(list.Item(i)));
            list.Delete(i);
        }
        if (anyChecked || form_.SelectedPath.empty())
            return;
        action(form_.SelectedPath);
        if (list.SelectedIndex() >= 0)
            list.Delete(list.SelectedIndex());
    }

    void TerminateProcesses()
    {
        ForCheckedOrSelected([](const std::string& path) { EndProcessesByName(FileNamePart(path)); });
    }

    void DeleteValues()
    {
        ForCheckedOrSelected([](const std::string& path) { RemoveStartupValuesFor(path); });
    }

    void TerminateService()
    {
        const std::string path = form_.SelectedPath;
        if (path.empty())
            throw std::runtime_error("no row was selected");
        EndProcessesByName(FileNamePart(path));
        std::vector<ServiceRow> services = ServiceListRows(context_.Text(Msg::CannotGetServiceList));
        StopServiceByPath(services, path, [this] { Pump(); });
        EndProcessesByName(FileNamePart(path));
    }

    void DeleteOneFile()
    {
        if (!Ask(DeleteFileQuestion))
            return;
        const int index = SelectedRow();
        const std::string path = form_.SelectedPath;
        FirstAttempt(path);
        form_.DeleteSeconds = 0;
        form_.Timer1->SetEnabled(true);
        RemoveStartupValuesFor(path);
        RetryDelete(path);
        form_.Timer1->SetEnabled(false);
        if (Exists(path))
            CannotDelete(path);
        else
            form_.List1->Delete(index);
    }

    AppContext& context_;
    TFormR& form_;
    bool busy_ = false;
};

} // namespace

void DisplayFullLogFile(AppContext& context)
{
    TListView& list = *context.FormR->List1;
    list.Clear();
    for (const ReportManagerRow& row : FullLogRows(context.State, [&context] { context.App.ProcessMessages(); }))
        list.Add(TListItem{row.Kind, {row.FileName, row.Size, row.Key}});
}

void WireReportManager(AppContext& context)
{
    std::make_shared<ReportManager>(context)->Wire();
}
