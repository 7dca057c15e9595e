#pragma once
#include <windows.h>

#include <tlhelp32.h>

#include "platform/Handles.h"

// A Tool Help snapshot of the running processes, walked once from the first entry.
class ProcessSnapshot {
public:
    ProcessSnapshot() : snapshot_(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0)) { entry_.dwSize = sizeof entry_; }

    // False when the system could not take the snapshot.
    bool Valid() const { return snapshot_.Valid(); }
    // Moves to the first, then to each next entry; false past the last one.
    bool Next()
    {
        if (!snapshot_.Valid())
            return false;
        const BOOL more = started_ ? Process32Next(snapshot_.Get(), &entry_) : Process32First(snapshot_.Get(), &entry_);
        started_ = true;
        return more != FALSE;
    }
    const PROCESSENTRY32& Entry() const { return entry_; }

private:
    UniqueHandle snapshot_;
    PROCESSENTRY32 entry_{};
    bool started_ = false;
};
