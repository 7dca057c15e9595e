#pragma once
#include <string>
#include <vector>

#include "ui/Component.h"

class TPopupMenu;

class TLabel : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TLabel"; }
    bool WordWrap = false;
    bool Bold = false;
};

class TButton : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TButton"; }
    // A user's press: does nothing while the button is disabled or hidden.
    void Click();
    TNotifyEvent OnClick;
};

// The flat "XP style" button of the product's windows; behaves like TButton.
class TxpButton : public TButton {
public:
    using TButton::TButton;
    const char* ClassName() const override { return "TxpButton"; }
};

class TCheckBox : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TCheckBox"; }
    bool Checked() const { return checked_; }
    // Program change: no event.
    void SetChecked(bool on);
    // A user's click: toggles and fires OnClick (ignored while disabled).
    void Click();
    TNotifyEvent OnClick;

private:
    bool checked_ = false;
};

class TxpCheckBox : public TCheckBox {
public:
    using TCheckBox::TCheckBox;
    const char* ClassName() const override { return "TxpCheckBox"; }
};

class TPanel : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TPanel"; }
    bool Bevel = true;
};

class TGroupBox : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TGroupBox"; }
};

class TMemo : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TMemo"; }
    const std::vector<std::string>& Lines() const { return lines_; }
    // Appends a line; the renderer scrolls to it, so a log shows its newest line.
    void Add(const std::string& line);
    void Clear();
    void SetText(const std::string& text); // CR LF separated
    std::string Text() const;
    bool ReadOnly = false;
    bool VerticalScrollBar = false;

private:
    std::vector<std::string> lines_;
};

// A list of lines with check boxes; single lines can be disabled.
class TCheckListBox : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TCheckListBox"; }
    struct Line {
        std::string Text;
        bool Checked = false;
        bool Enabled = true;
    };
    const std::vector<Line>& Lines() const { return lines_; }
    int Count() const { return static_cast<int>(lines_.size()); }
    int Add(const std::string& text, bool checked = false);
    void Delete(int index);
    void Clear();
    void SetText(int index, const std::string& text);
    void SetChecked(int index, bool on);
    void SetLineEnabled(int index, bool on);
    // A user's click on a line's box: toggles it and fires OnClickCheck, unless
    // the list or the line is disabled.
    void ClickCheck(int index);
    int ItemIndex = -1;
    int ItemHeight = 16;
    TNotifyEvent OnClickCheck;

private:
    std::vector<Line> lines_;
};
