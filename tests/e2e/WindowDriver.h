#pragma once
// Drives the real Tavrino.exe from another process of the same Wine prefix: starts it, finds its
// windows and message boxes, reads and clicks controls, and waits for it to end.
#include <windows.h>
#include <string>
#include <vector>

namespace e2e {

struct Tool {
    PROCESS_INFORMATION pi{};
    ~Tool();
    bool Exited(DWORD waitMs) const;
    DWORD ExitCode() const;
};

// Starts exe with workDir as its current folder (the packet is the exe's own folder anyway).
bool Launch(Tool& tool, const std::string& exe);

std::string Text(HWND h);
std::string ClassOf(HWND h);
// Top-level visible windows of the process (0: of any process).
std::vector<HWND> TopWindows(DWORD pid);
// Waits until the process shows a top-level window of the dialog class whose caption begins
// with prefix; nullptr after timeoutMs.
HWND WaitForDialog(DWORD pid, const std::string& captionPrefix, DWORD timeoutMs = 20000);
// The message boxes the process shows now: their static texts.
struct Box {
    HWND hwnd;
    std::string caption;
    std::string text;
    bool hasIcon;
    std::vector<std::string> buttons;
};
std::vector<Box> MessageBoxes(DWORD pid);
// Waits for a message box whose text contains needle.
bool WaitForBox(DWORD pid, const std::string& needle, Box* out, DWORD timeoutMs = 20000);
// Presses the box's button with this id (IDOK, IDYES, ...).
void Answer(const Box& box, int id);

std::vector<std::string> ComboEntries(HWND combo);
int ComboSelection(HWND combo);
// Sends the parent the click notification of the button.
void Click(HWND button);
// Sends a key to the control that has the focus in hwnd's thread.
void PressKey(HWND hwnd, WPARAM vk);
// Waits until the window's caption equals text.
bool WaitForCaption(HWND hwnd, const std::string& text, DWORD timeoutMs);

// Windows path of the build folder's Unix path through Wine's Z: drive.
std::string WinPath(const std::string& unixPath);

}  // namespace e2e
