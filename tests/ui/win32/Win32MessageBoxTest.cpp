#include <gtest/gtest.h>

#include "ui/win32/Win32Renderer.h"

// Wine's message boxes carry no on-top style to look at, so the style asked is checked.
TEST(Win32MessageBoxes, AreOnTopUnlessTheModelLeavesItOut)
{
    const struct {
        unsigned flags;
        UINT style;
    } cases[] = {
        {mbYesNo | mbIconQuestion, MB_YESNO | MB_ICONQUESTION | MB_TOPMOST | MB_SETFOREGROUND},
        {mbYesNo | mbIconQuestion | mbNotTopMost, MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND},
        {mbIconError, MB_ICONERROR | MB_TOPMOST | MB_SETFOREGROUND},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MessageBoxStyle(c.flags), c.style) << std::hex << c.flags;
}
