#include <gtest/gtest.h>

#include "core/RandomNames.h"

using Names = std::vector<std::string>;

TEST(RandomNames, LettersAndNumbersCountUpToButNotIncludingTheEnd)
{
    const std::pair<const char*, Names> cases[] = {
        {"msa??a?d?.exe", {"msaa.exe", "msab.exe", "msac.exe"}},
        {"run??1?4?.exe", {"run1.exe", "run2.exe", "run3.exe"}},
        {"x??r?t?.dll", {"xr.dll", "xs.dll", "xq.dll"}}, // "q" follows "s" in Alphabet
        {"k??a1?c3?.exe", {"ka1.exe", "ka2.exe", "kb1.exe", "kb2.exe"}},
        {"w??d?a?.exe", {}},         // the range runs backwards: no member
        {"n??5?2?.exe", {"n5.exe"}}, // numbers make one pass at least
        {"ab??", {"ab"}},            // no body
        {"q??ab?c?.exe", {"q.exe"}}, // not single letters: one pass, letters removed
        {"z??9?11?.sys", {"z9.sys", "z10.sys"}},
    };
    for (const auto& [name, members] : cases)
        EXPECT_EQ(RandomNameFamily(name), members) << name;
    EXPECT_TRUE(HasRandomNames("a??b"));
    EXPECT_FALSE(HasRandomNames("a?b?"));
}

TEST(RandomNames, AHugeRangeIsCutInsteadOfRunningForHours)
{
    EXPECT_EQ(RandomNameFamily("n??0?99999999999999999999999999?.exe").size(), MaxRandomNames);
}
