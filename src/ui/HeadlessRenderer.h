#pragma once
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/Renderer.h"

// Keeps no windows. Tests drive the model directly, answer message boxes and
// file dialogs from a script, and read back every text that was shown.
class HeadlessRenderer : public Renderer {
public:
    void Attach(TApplication& app) { app_ = &app; }

    // Answers for the next message boxes, in order. A box with no scripted
    // answer fails the test by throwing, so nothing is answered by accident.
    void Answer(int answer) { answers_.push_back(answer); }
    // The next file dialog returns this path (nullopt: the user cancels).
    void ChooseFile(std::optional<std::string> path) { files_.push_back(std::move(path)); }

    struct ShownBox {
        std::string Text, Caption;
        unsigned Flags;
        bool MainFormEnabled; // whether the main form was enabled while it was open
    };
    const std::vector<ShownBox>& Boxes() const { return boxes_; }
    // Every text shown to the user, one line each: boxes, dialogs, shown forms.
    const std::vector<std::string>& Transcript() const { return transcript_; }
    size_t PendingAnswers() const { return answers_.size(); }
    // The showing form in front of all others, as windows stack: forms that stay on
    // top above the rest, owned forms above their owner, the last raised first.
    TForm* FrontForm() const { return stack_.empty() ? nullptr : stack_.back(); }

    void FormCreated(TForm& form) override;
    void Changed(TComponent& component, Aspect aspect) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    bool RunFileDialog(TFileDialog& dialog) override;
    void ProcessMessages() override;
    void Run() override;
    void WakeUp() override {}
    void Shutdown() override
    {
        app_ = nullptr;
        stack_.clear();
    }

private:
    TApplication* app_ = nullptr;
    std::deque<int> answers_;
    std::deque<std::optional<std::string>> files_;
    std::vector<ShownBox> boxes_;
    std::vector<std::string> transcript_;
    std::vector<TForm*> stack_; // showing forms, back to front
};
