#include "ui/ComCtrls.h"

#include <stdexcept>

#include "ui/CaptionText.h"

void TStatusBar::AddPanel(int width, const std::string& text)
{
    panels_.push_back({text, width, std::string()});
    Notify(Aspect::Panels);
}

const std::string& TStatusBar::PanelText(int index) const
{
    if (index < 0 || index >= PanelCount())
        throw std::out_of_range("status panel index out of bounds (" + std::to_string(index) + ")");
    return panels_[index].Text;
}

void TStatusBar::SetPanelText(int index, const std::string& text)
{
    if (PanelText(index) == text)
        return;
    panels_[index].Text = text;
    Notify(Aspect::Panels);
}

void TStatusBar::SetPanelFitText(int index, const std::string& text)
{
    PanelText(index);
    if (panels_[index].FitText == text)
        return;
    panels_[index].FitText = text;
    Notify(Aspect::Panels);
}

void TStatusBar::SetSimpleText(const std::string& text)
{
    simpleText_ = text;
    Notify(Aspect::Panels);
}

void TProgressBar::SetPosition(int position)
{
    position_ = position < Min ? Min : position > Max ? Max : position;
    Notify(Aspect::Position);
}

TPage* TNotebook::AddPage(const std::string& caption)
{
    TPage* page = Make<TPage>("Page" + std::to_string(pages_.size()), this);
    page->SetCaption(caption);
    page->SetBounds(0, 0, Width, Height);
    page->SetVisible(pages_.empty());
    pages_.push_back(page);
    return page;
}

void TNotebook::SetPageIndex(int index)
{
    if (index < 0 || index >= PageCount())
        throw std::out_of_range("notebook page out of bounds (" + std::to_string(index) + ")");
    pageIndex_ = index;
    for (int i = 0; i < PageCount(); ++i)
        pages_[i]->SetVisible(i == index);
    Notify(Aspect::Page);
}

void TPageControl::AddSheet(TTabSheet* sheet)
{
    sheet->SetVisible(sheets_.empty());
    sheets_.push_back(sheet);
    Notify(Aspect::Items);
}

void TPageControl::SetActivePageIndex(int index)
{
    if (index < 0 || index >= static_cast<int>(sheets_.size()))
        throw std::out_of_range("tab index out of bounds (" + std::to_string(index) + ")");
    active_ = index;
    for (size_t i = 0; i < sheets_.size(); ++i)
        sheets_[i]->SetVisible(static_cast<int>(i) == index);
    Notify(Aspect::Page);
    if (OnChange)
        OnChange();
}

void TPageControl::SelectNextSheet(bool forward)
{
    const int count = static_cast<int>(sheets_.size());
    if (count > 1)
        SetActivePageIndex((active_ + (forward ? 1 : count - 1)) % count);
}

bool TPageControl::SelectSheetByMnemonic(char key)
{
    for (size_t i = 0; i < sheets_.size(); ++i)
        if (IsMnemonic(sheets_[i]->Caption(), key)) {
            SetActivePageIndex(static_cast<int>(i));
            return true;
        }
    return false;
}
