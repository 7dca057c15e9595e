#pragma once
// Finds and reads the windows of another process, as a user would see them.
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace probe {

inline std::string TextOf(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof(text));
    return text;
}

inline std::string ClassOf(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof(name));
    return name;
}

// A top-level window of the process (any process when pid is 0) with this caption
// and, when given, this class.
inline HWND FindTop(DWORD pid, const std::string& caption, const std::string& windowClass = "", bool visible = true)
{
    struct Search {
        DWORD pid;
        const std::string& caption;
        const std::string& windowClass;
        bool visible;
        HWND found;
    } search{pid, caption, windowClass, visible, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if ((s.pid && owner != s.pid) || (s.visible && !IsWindowVisible(window)) || TextOf(window) != s.caption ||
                (!s.windowClass.empty() && ClassOf(window) != s.windowClass))
                return TRUE;
            s.found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline HWND WaitForTop(DWORD pid, const std::string& caption, const std::string& windowClass, DWORD milliseconds)
{
    for (DWORD waited = 0;; waited += 50) {
        if (HWND found = FindTop(pid, caption, windowClass))
            return found;
        if (waited >= milliseconds)
            return nullptr;
        Sleep(50);
    }
}

// Every descendant window, in z-order depth first.
inline std::vector<HWND> Descendants(HWND parent)
{
    std::vector<HWND> all;
    EnumChildWindows(
        parent,
        [](HWND window, LPARAM data) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&all));
    return all;
}

inline HWND FindChild(HWND parent, const std::string& windowClass, const std::string& text)
{
    for (HWND child : Descendants(parent))
        if (IsWindowVisible(child) && lstrcmpiA(ClassOf(child).c_str(), windowClass.c_str()) == 0 &&
            TextOf(child) == text)
            return child;
    return nullptr;
}

// A message box's text (its static control 0xFFFF).
inline std::string MessageBoxText(HWND box)
{
    char text[1024] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof(text));
    return text;
}

// The panels of a status bar in another process: the text is copied into memory
// allocated there, because the message carries a pointer.
inline std::vector<std::string> StatusPanels(HWND bar)
{
    std::vector<std::string> panels;
    DWORD pid = 0;
    GetWindowThreadProcessId(bar, &pid);
    HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
    if (!process)
        return panels;
    void* remote = VirtualAllocEx(process, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE);
    const int count = static_cast<int>(SendMessageA(bar, SB_GETPARTS, 0, 0));
    for (int i = 0; i < count && remote; ++i) {
        char text[4096] = {};
        SendMessageA(bar, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(remote));
        SIZE_T read = 0;
        ReadProcessMemory(process, remote, text, sizeof(text) - 1, &read);
        panels.emplace_back(text);
    }
    if (remote)
        VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return panels;
}

// A key pressed in the control that has this thread's focus, with the keys in `held`
// down meanwhile; `deliver` runs the message loop that handles it.
inline void PressKey(const std::function<void()>& deliver, WPARAM key, std::initializer_list<int> held = {},
                     UINT message = WM_KEYDOWN)
{
    BYTE saved[256] = {}, state[256] = {};
    GetKeyboardState(saved);
    for (int down : held)
        state[down] = 0x80;
    SetKeyboardState(state);
    PostMessageA(GetFocus(), message, key, 1);
    deliver();
    SetKeyboardState(saved);
}

} // namespace probe
