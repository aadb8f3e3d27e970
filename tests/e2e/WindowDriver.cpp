#include "WindowDriver.h"

namespace e2e {

Tool::~Tool()
{
    if (pi.hProcess) {
        if (!Exited(0))
            TerminateProcess(pi.hProcess, 99);
        CloseHandle(pi.hProcess);
        CloseHandle(pi.hThread);
    }
}

bool Tool::Exited(DWORD waitMs) const { return WaitForSingleObject(pi.hProcess, waitMs) == WAIT_OBJECT_0; }

DWORD Tool::ExitCode() const
{
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    return code;
}

bool Launch(Tool& tool, const std::string& exe)
{
    std::string dir = exe.substr(0, exe.find_last_of('\\') + 1);
    std::string cmd = "\"" + exe + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof(si);
    return CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &tool.pi);
}

std::string Text(HWND h)
{
    // For another process's window this reads the stored text without sending a message, so
    // it neither waits for a busy tool nor crowds out the reports the tool posts to itself.
    char buf[1024] = {};
    GetWindowTextA(h, buf, sizeof(buf));
    return buf;
}

std::string ClassOf(HWND h)
{
    char buf[64] = {};
    GetClassNameA(h, buf, sizeof(buf));
    return buf;
}

namespace {
struct EnumState {
    DWORD pid;
    std::vector<HWND> found;
};
BOOL CALLBACK CollectTop(HWND h, LPARAM lp)
{
    auto* s = reinterpret_cast<EnumState*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if ((s->pid == 0 || pid == s->pid) && IsWindowVisible(h))
        s->found.push_back(h);
    return TRUE;
}
BOOL CALLBACK CollectChildren(HWND h, LPARAM lp)
{
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(h);
    return TRUE;
}
}  // namespace

std::vector<HWND> TopWindows(DWORD pid)
{
    EnumState s{pid, {}};
    EnumWindows(&CollectTop, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitForDialog(DWORD pid, const std::string& captionPrefix, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        for (HWND h : TopWindows(pid))
            if (ClassOf(h) == "#32770" && Text(h).rfind(captionPrefix, 0) == 0)
                return h;
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::vector<Box> MessageBoxes(DWORD pid)
{
    std::vector<Box> boxes;
    for (HWND h : TopWindows(pid)) {
        if (ClassOf(h) != "#32770")
            continue;
        std::vector<HWND> kids;
        EnumChildWindows(h, &CollectChildren, reinterpret_cast<LPARAM>(&kids));
        Box b{h, Text(h), "", false, {}};
        bool isBox = false, other = false;
        for (HWND k : kids) {
            std::string cls = ClassOf(k);
            LONG style = GetWindowLongA(k, GWL_STYLE);
            if (cls == "Static" && (style & SS_TYPEMASK) == SS_ICON) {
                b.hasIcon = b.hasIcon || SendMessageA(k, STM_GETICON, 0, 0) != 0;
            } else if (cls == "Static" && GetDlgCtrlID(k) == 0xFFFF && b.text.empty()) {
                b.text = Text(k);
                isBox = !b.text.empty();
            } else if (cls == "Button") {
                b.buttons.push_back(Text(k));
            } else {
                other = true;  // a box holds only its icon, its text and its buttons
            }
        }
        if (isBox && !other && b.buttons.size() <= 3)
            boxes.push_back(b);
    }
    return boxes;
}

bool WaitForBox(DWORD pid, const std::string& needle, Box* out, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        for (const Box& b : MessageBoxes(pid))
            if (b.text.find(needle) != std::string::npos) {
                if (out)
                    *out = b;
                return true;
            }
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

void Answer(const Box& box, int id) { PostMessageA(box.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::vector<std::string> ComboEntries(HWND combo)
{
    std::vector<std::string> entries;
    LRESULT n = SendMessageA(combo, CB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        // Across processes Wine hands list texts over as UTF-16 only.
        wchar_t buf[256] = {};
        SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
        char narrow[512] = {};
        WideCharToMultiByte(CP_ACP, 0, buf, -1, narrow, sizeof(narrow), nullptr, nullptr);
        entries.push_back(narrow);
    }
    return entries;
}

int ComboSelection(HWND combo) { return static_cast<int>(SendMessageA(combo, CB_GETCURSEL, 0, 0)); }

void Click(HWND button)
{
    // What a click sends: the button's own mouse handling needs the focus, which a window that
    // is not in front (Xvfb without a window manager) may not get.
    PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

void PressKey(HWND hwnd, WPARAM vk)
{
    GUITHREADINFO gti{};
    gti.cbSize = sizeof(gti);
    DWORD tid = GetWindowThreadProcessId(hwnd, nullptr);
    HWND target = (GetGUIThreadInfo(tid, &gti) && gti.hwndFocus) ? gti.hwndFocus : hwnd;
    PostMessageA(target, WM_KEYDOWN, vk, 1);
    PostMessageA(target, WM_KEYUP, vk, 0xC0000001);
}

bool WaitForCaption(HWND hwnd, const std::string& text, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    do {
        if (Text(hwnd) == text)
            return true;
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

std::string WinPath(const std::string& unixPath)
{
    std::string p = "Z:" + unixPath;
    for (char& c : p)
        if (c == '/')
            c = '\\';
    return p;
}

}  // namespace e2e
