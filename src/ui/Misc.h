#pragma once
#include <string>
#include <vector>

#include "ui/Component.h"

// Runs OnTimer every Interval milliseconds while enabled, on the UI thread, by
// the application's clock.
class TTimer : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TTimer"; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    void Fire();
    TNotifyEvent OnTimer;

private:
    bool enabled_ = false; // the product's timers are all off until started
    int interval_ = 1000;
};

// File dialogs; Execute asks the renderer (the user, or a test's script).
class TFileDialog : public TComponent {
public:
    using TComponent::TComponent;
    std::string Title, FileName, Filter, InitialDir, DefaultExt;
    bool Execute();
    virtual bool IsSave() const = 0;
};

class TOpenDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;
    const char* ClassName() const override { return "TOpenDialog"; }
    bool IsSave() const override { return false; }
};

class TSaveDialog : public TFileDialog {
public:
    using TFileDialog::TFileDialog;
    const char* ClassName() const override { return "TSaveDialog"; }
    bool IsSave() const override { return true; }
};

// Images by resource name (the Win32 renderer loads icons of that name).
class TImageList : public TComponent {
public:
    using TComponent::TComponent;
    const char* ClassName() const override { return "TImageList"; }
    int Add(const std::string& resource);
    const std::vector<std::string>& Images() const { return images_; }
    int Count() const { return static_cast<int>(images_.size()); }

private:
    std::vector<std::string> images_;
};

class TImage : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TImage"; }
    std::string Picture; // resource name of an icon
};
