#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/MessageTable.h"
#include "ui/Component.h"
#include "ui/Renderer.h"

class TForm;
class TTimer;

// The root of the component tree: owns the forms, the renderer link, the
// clock for timers and the queue of work posted to the UI thread.
class TApplication : public TComponent {
public:
    explicit TApplication(Renderer* renderer);
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    Renderer* CurrentRenderer() const { return renderer_; }
    std::string Title;
    int ExitCode = 0; // what the program's main returns after Run

    // Creates a form owned by the application; the first becomes the main form.
    template <class T, class... Args> T* CreateForm(const std::string& name, Args&&... args)
    {
        T* form = Make<T>(name, std::forward<Args>(args)...);
        if (!mainForm_)
            mainForm_ = form;
        FormCreated(*form);
        return form;
    }
    TForm* MainForm() const { return mainForm_; }

    // Shows the main form and runs until Terminate.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    void ProcessMessages();

    // A message box per the program's conventions: topmost, the main form
    // disabled while it is open. Returns the answer (idYes, idNo, idOk).
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags);
    // Asks with Yes and No; only Yes proceeds.
    bool Confirm(const std::string& text, const std::string& caption, unsigned icon = mbIconQuestion);

    // Queues work for the UI thread; safe from any thread.
    void Post(std::function<void()> work);
    // Runs the queued work (renderers call it on the UI thread).
    void RunPosted();

    // Timers: the clock counts milliseconds; the headless renderer advances it,
    // the Win32 renderer lets Windows fire them.
    uint64_t Clock() const { return clock_; }
    void AdvanceClock(uint64_t milliseconds);
    void TimerChanged(TTimer& timer);

private:
    void FormCreated(TForm& form);

    Renderer* renderer_;
    TForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::mutex postedLock_;
    std::vector<std::function<void()>> posted_;
    uint64_t clock_ = 0;
    std::map<TTimer*, uint64_t> due_; // enabled timers and their next firing
};

// Texts of the message table: a box whose text and caption are table rows.
int ShowMessageRow(TApplication& app, const MessageTable& messages, Msg text, Msg caption, unsigned flags);
