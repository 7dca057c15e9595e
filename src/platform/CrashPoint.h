#pragma once

// A place in the middle of changing stored state (a file half written, one of two
// files replaced) where the tests end the process, as a crash or an ended task would,
// and then check that what is stored is the old state or the new one, never a mix.
// Unarmed, as always outside those tests, a call only counts. Armed by the
// environment variable PYRAFIX_CRASH_AT=N, the Nth call of the process ends it at
// once with CrashPointExitCode: no destructor runs and no handle is closed first.
void CrashPoint();
constexpr unsigned CrashPointExitCode = 86;
