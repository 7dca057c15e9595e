#include "platform/AccessRights.h"

namespace {

RightsCheck& CurrentCheck()
{
    static RightsCheck check;
    return check;
}

} // namespace

void SetRightsCheck(RightsCheck check)
{
    CurrentCheck() = std::move(check);
}

bool RightsGranted(Securable what, DWORD rights, HKEY root)
{
    const RightsCheck& check = CurrentCheck();
    return !check || check(what, root, rights);
}
