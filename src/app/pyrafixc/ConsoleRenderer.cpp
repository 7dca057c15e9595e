#include "ConsoleRenderer.h"

#include "core/TextHelpers.h"
#include "ui/Component.h"
#include "ui/StdControls.h"

void ConsoleRenderer::Changed(TComponent& component, Aspect aspect)
{
    HeadlessRenderer::Changed(component, aspect);
    if ((aspect != Aspect::Items && aspect != Aspect::LineAdded) || component.Name() != "Memo2" || !component.Owner() ||
        component.Owner()->Name() != "Form1")
        return;
    const auto& lines = static_cast<TMemo&>(component).Lines();
    if (lines.size() < logLinesPrinted_)
        logLinesPrinted_ = 0; // the log was cleared
    for (; logLinesPrinted_ < lines.size(); ++logLinesPrinted_)
        out_ << lines[logLinesPrinted_] << "\n";
    out_.flush();
}

int ConsoleRenderer::ShowMessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    out_ << caption << ": " << ReplaceAll(ReplaceAll(text, "\r\n", " "), "\r", " ") << "\n";
    out_.flush();
    if ((flags & 0xF) == mbYesNo)
        return answerYes_ ? idYes : idNo;
    return idOk;
}
