#include "ui/Misc.h"

#include <stdexcept>

#include "ui/Application.h"
#include "ui/Renderer.h"

void TTimer::SetEnabled(bool on)
{
    if (on == enabled_)
        return;
    enabled_ = on;
    if (TApplication* app = Application())
        app->TimerChanged(*this);
    Notify(Aspect::Timer);
}

void TTimer::SetInterval(int milliseconds)
{
    interval_ = milliseconds;
    if (TApplication* app = Application())
        app->TimerChanged(*this);
    Notify(Aspect::Timer);
}

void TTimer::Fire()
{
    if (enabled_ && OnTimer)
        OnTimer();
}

bool TFileDialog::Execute()
{
    TApplication* app = Application();
    if (!app || !app->CurrentRenderer())
        throw std::logic_error("file dialog without an application");
    return app->CurrentRenderer()->RunFileDialog(*this);
}

int TImageList::Add(const std::string& resource)
{
    images_.push_back(resource);
    return Count() - 1;
}
