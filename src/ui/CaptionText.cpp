#include "ui/CaptionText.h"

namespace {

char Folded(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The longest prefix of `head` that fits with `tail` after it; -1 when none does.
int LongestFitting(const std::string& head, const std::string& tail, int width,
                   const std::function<int(const std::string&)>& measure)
{
    if (measure(tail) > width)
        return -1;
    int low = 0, high = static_cast<int>(head.size());
    while (low < high) {
        const int middle = (low + high + 1) / 2;
        if (measure(head.substr(0, middle) + tail) <= width)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

} // namespace

bool IsMnemonic(const std::string& caption, char key)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return Folded(caption[i + 1]) == Folded(key);
        ++i;
    }
    return false;
}

std::string FitWithEllipsis(const std::string& whole, int width, const std::function<int(const std::string&)>& measure)
{
    // Blanks at the end show nothing (a database date is padded with them).
    const std::string text = whole.substr(0, whole.find_last_not_of(' ') + 1);
    if (measure(text) <= width)
        return whole;
    const std::string dots = "...";
    const size_t name = text.rfind('\\');
    if (name != std::string::npos && name > 0) {
        const int kept = LongestFitting(text.substr(0, name), dots + text.substr(name), width, measure);
        if (kept > 0)
            return text.substr(0, kept) + dots + text.substr(name);
    }
    const int kept = LongestFitting(text, dots, width, measure);
    return kept < 0 ? std::string() : text.substr(0, kept) + dots;
}
