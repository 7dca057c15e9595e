#pragma once
#include <ostream>

#include "ui/HeadlessRenderer.h"

// The windows without windows, for the console scanner: every line the scan log
// (Form1's Memo2) gets is printed as it comes, every message box as one line,
// caption then text, and questions are answered No unless told to say Yes.
class ConsoleRenderer : public HeadlessRenderer {
public:
    ConsoleRenderer(std::ostream& out, bool answerYes) : out_(out), answerYes_(answerYes) {}

    void Changed(TComponent& component, Aspect aspect) override;
    int ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags) override;

private:
    std::ostream& out_;
    bool answerYes_;
    size_t logLinesPrinted_ = 0;
};
