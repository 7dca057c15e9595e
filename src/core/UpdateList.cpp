#include "core/UpdateList.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "core/HashSignatures.h"
#include "core/ProgramVersion.h"
#include "core/TextHelpers.h"

const char* const ProgramVersionText = VersionBanner;
const char ListPageProduct[] = "Pyrafix Pro";

namespace {
const char UpdMarker[] = ", Upd ";
}

ListPage ReadListPage(const std::string& text)
{
    std::vector<std::string> lines = SplitLinesAtLf(text);
    lines.resize(7);
    ListPage page;
    page.Valid = lines[0] == ListPageProduct;
    if (!page.Valid)
        return page;
    page.DatabaseDate = lines[1];
    page.ProgramVersion = lines[2];
    page.LogRequested = lines[4] == "1";
    page.PieceBase = lines[5];
    if (IsMd5TextOfAnyCase(lines[6]))
        page.HashesMd5 = LowerCase(lines[6]);
    return page;
}

int DecimalOrZero(const std::string& text)
{
    if (text.empty() || text.size() > 9)
        return 0;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return 0;
        value = value * 10 + (c - '0');
    }
    return value;
}

int UpdateNumber(const std::string& dateText)
{
    const size_t at = dateText.find(UpdMarker);
    if (at == std::string::npos)
        return 0;
    std::string rest = ReplaceAll(dateText.substr(at), UpdMarker, "");
    rest = ReplaceAll(ReplaceAll(rest, " ", ""), ".", "");
    return DecimalOrZero(rest);
}

bool SameDatabaseDate(const std::string& a, const std::string& b)
{
    return TrimRightBlanks(a) == TrimRightBlanks(b);
}

int UpgradeProgressPosition(int64_t totalSize, int64_t readed)
{
    const int64_t step = totalSize / 100;
    if (step < 1) {
        if (totalSize <= 0 || readed <= 0)
            return 0;
        // More than the whole reads as the whole; the product then cannot overflow.
        return static_cast<int>(std::min<int64_t>(99, std::min(readed, totalSize) * 100 / totalSize));
    }
    if (readed > INT64_MAX - step)
        return 100;
    if (readed == step)
        return 1;
    if (readed < step)
        return 0;
    return static_cast<int>(std::min<int64_t>(100, (readed + step - 1) / step - 1));
}
