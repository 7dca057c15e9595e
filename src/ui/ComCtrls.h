#pragma once
#include <string>
#include <vector>

#include "ui/Component.h"

// A status bar: panels, or one simple text when SimplePanel is set.
class TStatusBar : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TStatusBar"; }
    struct Panel {
        std::string Text;
        int Width = 100; // the last panel takes the rest
        // The widest text the panel must show whole; a renderer widens the panel to
        // it, taking the room from the first panel. Longer texts end in "...".
        std::string FitText;
    };
    void AddPanel(int width, const std::string& text = "");
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    const std::string& PanelText(int index) const;
    int PanelWidth(int index) const { return panels_.at(index).Width; }
    const std::string& PanelFitText(int index) const { return panels_.at(index).FitText; }
    void SetPanelText(int index, const std::string& text);
    void SetPanelFitText(int index, const std::string& text);
    bool SimplePanel = false;
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& text);

private:
    std::vector<Panel> panels_;
    std::string simpleText_;
};

class TProgressBar : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TProgressBar"; }
    int Min = 0, Max = 100;
    int Position() const { return position_; }
    void SetPosition(int position);

private:
    int position_ = 0;
};

// A page of a notebook; owned by the notebook, not by the form.
class TPage : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TPage"; }
};

// Pages without tabs; only the active page shows.
class TNotebook : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TNotebook"; }
    TPage* AddPage(const std::string& caption);
    TPage* Page(int index) const { return pages_.at(index); }
    int PageCount() const { return static_cast<int>(pages_.size()); }
    int PageIndex() const { return pageIndex_; }
    void SetPageIndex(int index);

private:
    std::vector<TPage*> pages_;
    int pageIndex_ = 0;
};

class TTabSheet : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TTabSheet"; }
};

// Pages with tabs. Tab sheets are owned by the form and parented here.
class TPageControl : public TControl {
public:
    using TControl::TControl;
    const char* ClassName() const override { return "TPageControl"; }
    void AddSheet(TTabSheet* sheet);
    const std::vector<TTabSheet*>& Sheets() const { return sheets_; }
    int ActivePageIndex() const { return active_; }
    void SetActivePageIndex(int index);
    // Ctrl+Tab and Ctrl+Shift+Tab: the next or the previous tab, round the end.
    void SelectNextSheet(bool forward);
    // Alt and a letter: the tab whose caption underlines that letter; false when none does.
    bool SelectSheetByMnemonic(char key);
    TNotifyEvent OnChange;

private:
    std::vector<TTabSheet*> sheets_;
    int active_ = 0;
};
