#include "platform/CrashPoint.h"

#include <windows.h>

#include <atomic>
#include <cstdlib>

namespace {

long ArmedAt()
{
    char value[32] = {};
    const DWORD length = GetEnvironmentVariableA("PYRAFIX_CRASH_AT", value, sizeof value);
    return length > 0 && length < sizeof value ? std::strtol(value, nullptr, 10) : 0;
}

} // namespace

void CrashPoint()
{
    static const long armedAt = ArmedAt();
    static std::atomic<long> passed{0};
    if (armedAt > 0 && ++passed == armedAt)
        TerminateProcess(GetCurrentProcess(), CrashPointExitCode);
}
