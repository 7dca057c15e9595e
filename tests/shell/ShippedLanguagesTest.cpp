#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <regex>
#include <set>

#include "AppShell.h"
#include "LanguageTexts.h"
#include "TestFolder.h"
#include "core/LanguageFile.h"
#include "core/StreamCipher.h"
#include "database/DatabaseFile.h"
#include "platform/FileSystem.h"
#include "shell/AppContext.h"
#include "shell/Language.h"
#include "shell/TForm1.h"
#include "ui/Application.h"
#include "ui/HeadlessRenderer.h"
#include "ui/LanguageWalk.h"
#include "ui/Menus.h"
#include "ui/StdControls.h"
#include "ui/win32/Win32Renderer.h"

namespace {

const char* const Shipped[] = {"German.vlng", "French.vlng", "Spanish.vlng", "Italian.vlng"};

// Texts that are the same words in that language, or names; all others must change.
const std::set<std::string> SameInEvery = {"Pyrafix Pro v4 - SE", "System.ini:", "Win.ini:", "-"};
const std::map<std::string, std::set<std::string>> SameIn = {
    {"German.vlng", {"Details!", "Information", "Pyrafix Pro Info"}},
    {"French.vlng", {"Information", "Question"}},
    {"Spanish.vlng", {" bytes.", "&Manual", "Error"}},
    {"Italian.vlng", {}},
};

// The program's windows as real windows at 96 DPI.
struct RealWindows {
    explicit RealWindows(const TestFolder& folder)
    {
        renderer.Attach(app);
        CreateTestWindows(context, folder);
    }
    Win32Renderer renderer{GetModuleHandleA(nullptr), 96};
    TApplication app{&renderer};
    SharedState state;
    AppContext context{app, state, {}};
};

std::string Shown(const std::string& name)
{
    return ProgramFolder() + LanguageFolderName + "\\" + name;
}

std::vector<std::string> DecipheredLines(const std::string& path)
{
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    Decrypt(bytes.data(), bytes.size(), bytes.data(), DatabaseKey, bytes.size());
    const std::string text(bytes.begin(), bytes.end());
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

size_t Count(const std::string& text, const std::string& part)
{
    size_t count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

// What a caption shows: "&&" is one "&", a single "&" only underlines.
std::string ShownCaption(const std::string& caption)
{
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

} // namespace

TEST(ShippedLanguages, EachIsCompleteTranslatedAndKeepsPlaceholdersBreaksAndAccelerators)
{
    const std::regex word("[A-Za-z]{2,}");
    for (const char* name : Shipped) {
        TestFolder folder;
        AppShell w(folder);
        const std::vector<std::string> english = LanguageTexts(w.context);
        const size_t slots = english.size() - LanguageMessageRows().size();

        const std::vector<std::string> lines = DecipheredLines(Shown(name));
        const auto begin = std::find(lines.begin(), lines.end(), LanguageBegin);
        ASSERT_NE(begin, lines.end()) << name;
        // One line for every text of the template, and the "_end" line after them.
        EXPECT_EQ(static_cast<size_t>(lines.end() - begin), english.size() + 2) << name;
        EXPECT_EQ(lines.back(), "_end") << name;
        for (const std::string& line : lines)
            EXPECT_LE(line.size(), MaxLineBytes) << name << ": " << line;

        ASSERT_TRUE(ApplyLanguage(w.context, Shown(name))) << name;
        const std::vector<std::string> translated = LanguageTexts(w.context);
        ASSERT_EQ(translated.size(), english.size()) << name;
        for (size_t i = 0; i < english.size(); ++i) {
            const std::string& from = english[i];
            const std::string& to = translated[i];
            const bool same = SameInEvery.count(from) || SameIn.at(name).count(from);
            if (std::regex_search(from, word) && !same) {
                EXPECT_NE(to, from) << name << " leaves this in English";
            }
            EXPECT_NE(to, "_end") << name << " ends before: " << from;
            // Texts are joined to others: their leading blanks (or a punctuation mark that
            // ends the text before) and trailing blanks, placeholders and line breaks stay,
            // and captions keep their accelerators.
            if (!from.empty() && from.front() == ' ') {
                EXPECT_TRUE(to.rfind(' ', 0) == 0 || to.find_first_of(".,;") == 0) << name << ": " << to;
            }
            if (!from.empty() && from.back() == ' ') {
                EXPECT_EQ(to.substr(to.empty() ? 0 : to.size() - 1), " ") << name << ": " << to;
            }
            EXPECT_EQ(Count(from, "%f"), Count(to, "%f")) << name << ": " << to;
            EXPECT_EQ(Count(from, "\r"), Count(to, "\r")) << name << ": " << to;
            if (i < slots) {
                EXPECT_EQ(Count(from, "&"), Count(to, "&")) << name << ": " << to;
            }
        }
    }
}

// Real windows at 96 DPI: every caption fits its control in the control's own font.
TEST(ShippedLanguages, EveryCaptionFitsItsControlAt96Dpi)
{
    for (const char* name : {"", "German.vlng", "French.vlng", "Spanish.vlng", "Italian.vlng"}) {
        TestFolder folder;
        RealWindows w(folder);
        if (*name) {
            ASSERT_TRUE(ApplyLanguage(w.context, Shown(name))) << name;
        }
        for (const LanguageSlot& slot : LanguageSlots(LanguageWindows(w.context))) {
            auto* control = dynamic_cast<TControl*>(slot.Component);
            if (!control || slot.Hint)
                continue;
            HWND window = w.renderer.WindowOf(control);
            ASSERT_NE(window, nullptr) << control->Name();
            const std::string text = ShownCaption(control->Caption());
            // The frame and the margins of a push button, the box and its gap before a
            // check box's text.
            const int room = control->Width - (dynamic_cast<TButton*>(control)     ? 10
                                               : dynamic_cast<TCheckBox*>(control) ? 22
                                                                                   : 0);
            const auto* label = dynamic_cast<TLabel*>(control);
            if (label && label->WordWrap) {
                HDC dc = GetDC(window);
                HGDIOBJ before = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0)));
                RECT box = {0, 0, room, 0};
                DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_WORDBREAK);
                SelectObject(dc, before);
                ReleaseDC(window, dc);
                EXPECT_LE(box.bottom, control->Height) << name << " " << control->Name() << ": " << text;
            } else {
                EXPECT_LE(w.renderer.TextWidth(window, text), room)
                    << (*name ? name : "English") << " " << control->Name() << ": " << text;
            }
        }
    }
}
