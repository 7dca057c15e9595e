#pragma once
#include <functional>
#include <string>

// Whether Alt and `key` choose a control with this caption: the caption underlines
// the character after a single "&" ("&&" shows one "&"). Letters match in either case.
bool IsMnemonic(const std::string& caption, char key);

// The text as it fits into `width` (in the units of `measure`): whole when it fits
// (blanks at its end need no room); else a path keeps its file name and loses the
// middle ("C:\Windows\...\file.exe"), and other texts end with "...". Empty when not
// even "..." fits.
std::string FitWithEllipsis(const std::string& text, int width, const std::function<int(const std::string&)>& measure);
