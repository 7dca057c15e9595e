#include <memory>

#include "shell/Commands.h"
#include "shell/TForm1.h"
#include "shell/TForm2.h"
#include "ui/Application.h"
#include "update/DatabaseUpdate.h"
#include "update/TForm4.h"

namespace {

// The update as the main window shows it, through the window's own intents.
class MainWindowUpdate : public UpdateView, public UpdateQuestions {
public:
    explicit MainWindowUpdate(AppContext& context)
        : context_(context), form_(*context.Form1),
          update(context.State, UpdateSite{}, *form_.Get1, *form_.Get2, *this, *this)
    {
    }

    void SetUpdateLabel(const std::string& text) override { form_.SetUpdateLabel(text); }
    void SetStatus(const std::string& text) override { form_.SetStatus(text); }
    void SetDatabaseStatus(const std::string& text) override { form_.SetDatabaseStatus(text); }
    void SetUpdateCommandsEnabled(bool on) override { form_.SetUpdateCommandsEnabled(on); }
    void SetMainEnabled(bool on) override { form_.SetEnabled(on); }
    void Pump() override { context_.App.ProcessMessages(); }

    bool AskUpgrade(const std::string& text) override { return Ask(text); }
    bool AskDatabaseUpdate(const std::string& text) override { return Ask(text); }
    void Inform(const std::string& text, const std::string& caption) override
    {
        context_.App.ShowMessageBox(text, caption, mbOk | mbIconInformation);
    }
    void ShowError(const std::string& text, const std::string& caption) override
    {
        context_.App.ShowMessageBox(text, caption, mbOk | mbIconError);
    }
    void StartUpgrade(const std::string& label, const std::string& url, const std::string& file) override
    {
        context_.Form4->StartUpgrade(label, url, file);
    }

    // The server is looked up at every check.
    void UseCurrentServer()
    {
        const std::string host = context_.Env.UpdateHost ? context_.Env.UpdateHost() : std::string();
        update.SetSite(UpdateSite{host, context_.Env.ProgramFolder, context_.Env.UpdateSigningKey});
    }

private:
    bool Ask(const std::string& text) { return context_.App.Confirm(text, context_.Text(Msg::InformationCaption)); }

    AppContext& context_;
    TForm1& form_;

public:
    DatabaseUpdate update;
};

} // namespace

void WireUpdateCommands(AppContext& context)
{
    auto window = std::make_shared<MainWindowUpdate>(context);
    context.Form1->Button7->OnClick = [window, &context] {
        window->UseCurrentServer();
        RunUpdateCommand(window->update, *window, context.State.Messages);
    };
    context.Form1->StartupUpdateCheck = [window, &context] {
        window->UseCurrentServer();
        window->update.CheckForUpdates();
        if (window->update.Outcome() == UpdateOutcome::Offered && context.Form2 && context.Form2->c1->Checked())
            context.Form2->Timer1->SetEnabled(true);
    };
}
