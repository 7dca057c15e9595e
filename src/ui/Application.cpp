#include "ui/Application.h"

#include "ui/Form.h"
#include "ui/Misc.h"

TApplication::TApplication(Renderer* renderer) : TComponent(nullptr, "Application"), renderer_(renderer) {}

TApplication::~TApplication()
{
    if (renderer_)
        renderer_->Shutdown();
    renderer_ = nullptr;
}

void TApplication::FormCreated(TForm& form)
{
    if (renderer_)
        renderer_->FormCreated(form);
    if (form.OnCreate)
        form.OnCreate();
}

void TApplication::Run()
{
    if (terminated_)
        return;
    if (mainForm_)
        mainForm_->Show();
    if (renderer_)
        renderer_->Run();
}

void TApplication::Terminate()
{
    terminated_ = true;
    // A message loop waiting for input must wake up to see it.
    if (renderer_)
        renderer_->WakeUp();
}

void TApplication::ProcessMessages()
{
    if (renderer_)
        renderer_->ProcessMessages();
    else
        RunPosted();
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    // The main form stays disabled while the box is open, whatever the box's owner.
    const bool wasEnabled = mainForm_ && mainForm_->Enabled();
    if (wasEnabled)
        mainForm_->SetEnabled(false);
    int answer = idCancel;
    try {
        answer = renderer_ ? renderer_->ShowMessageBox(text, caption, flags) : idCancel;
    } catch (...) {
        if (wasEnabled)
            mainForm_->SetEnabled(true);
        throw;
    }
    if (wasEnabled)
        mainForm_->SetEnabled(true);
    return answer;
}

bool TApplication::Confirm(const std::string& text, const std::string& caption, unsigned icon)
{
    return ShowMessageBox(text, caption, mbYesNo | icon) == idYes;
}

void TApplication::Post(std::function<void()> work)
{
    {
        std::lock_guard<std::mutex> hold(postedLock_);
        posted_.push_back(std::move(work));
    }
    if (renderer_)
        renderer_->WakeUp();
}

void TApplication::RunPosted()
{
    std::vector<std::function<void()>> work;
    {
        std::lock_guard<std::mutex> hold(postedLock_);
        work.swap(posted_);
    }
    for (auto& item : work)
        item();
}

void TApplication::TimerChanged(TTimer& timer)
{
    if (timer.Enabled() && timer.Interval() > 0)
        due_[&timer] = clock_ + static_cast<uint64_t>(timer.Interval());
    else
        due_.erase(&timer);
}

void TApplication::AdvanceClock(uint64_t milliseconds)
{
    const uint64_t end = clock_ + milliseconds;
    for (;;) {
        // The earliest due timer within the step fires next, at its own time.
        TTimer* next = nullptr;
        uint64_t when = end + 1;
        for (const auto& [timer, at] : due_)
            if (at < when) {
                next = timer;
                when = at;
            }
        if (!next)
            break;
        clock_ = when;
        due_[next] = when + static_cast<uint64_t>(next->Interval());
        next->Fire();
    }
    clock_ = end;
}

int ShowMessageRow(TApplication& app, const MessageTable& messages, Msg text, Msg caption, unsigned flags)
{
    return app.ShowMessageBox(messages.Text(text), messages.Text(caption), flags);
}
