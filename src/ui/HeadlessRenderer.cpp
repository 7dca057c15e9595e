#include "ui/HeadlessRenderer.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Misc.h"

void HeadlessRenderer::FormCreated(TForm&) {}

void HeadlessRenderer::Changed(TComponent& component, Aspect aspect)
{
    auto* form = dynamic_cast<TForm*>(&component);
    if (!form || (aspect != Aspect::Visible && aspect != Aspect::Front))
        return;
    if (aspect == Aspect::Visible && form->Visible())
        transcript_.push_back("[form] " + form->Caption());
    stack_.erase(std::remove(stack_.begin(), stack_.end(), form), stack_.end());
    if (form->Visible())
        stack_.push_back(form);
    const auto layer = [](const TForm* f) { return f->StayOnTop ? 2 : f->OwnerForm() ? 1 : 0; };
    std::stable_sort(stack_.begin(), stack_.end(), [&](const TForm* a, const TForm* b) { return layer(a) < layer(b); });
}

int HeadlessRenderer::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    const bool mainEnabled = app_ && app_->MainForm() && app_->MainForm()->Enabled();
    boxes_.push_back({text, caption, flags, mainEnabled});
    transcript_.push_back("[box] " + caption + ": " + text);
    if (answers_.empty())
        throw std::logic_error("unexpected message box: " + caption + ": " + text);
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

bool HeadlessRenderer::RunFileDialog(TFileDialog& dialog)
{
    transcript_.push_back("[file dialog] " + dialog.Title);
    if (files_.empty())
        throw std::logic_error("unexpected file dialog: " + dialog.Title);
    std::optional<std::string> choice = files_.front();
    files_.pop_front();
    if (!choice)
        return false;
    dialog.FileName = *choice;
    return true;
}

void HeadlessRenderer::ProcessMessages()
{
    if (app_)
        app_->RunPosted();
}

void HeadlessRenderer::Run()
{
    // Nothing waits for input here: run what is pending and return; tests go on
    // from there by driving the model and the clock.
    ProcessMessages();
}
