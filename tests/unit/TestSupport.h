#pragma once
// Shared fixtures for the unit tests: a recording application, a report window, packet and card
// folders in the Wine prefix.
#include "framework/App.h"
#include <windows.h>
#include <mutex>
#include <string>
#include <vector>

// Records every message box instead of showing it, and answers with a scripted button.
class CRecordingApp : public CWinApp {
public:
    struct Box {
        std::string text;
        UINT type;
    };
    int DoMessageBox(const char* text, UINT type, UINT helpId) override;
    std::vector<Box> Boxes();
    void Reset(int answer = IDOK);

private:
    std::mutex m_lock;
    std::vector<Box> m_boxes;
    int m_answer = IDOK;
};
CRecordingApp& TestApp();

// One report as the worker posted it, with the shared values at that moment.
struct Report {
    WPARAM code;
    float percent;
    std::string target;
};

// A hidden window that receives WM_COPY_PROGRESS, and a log of each report taken at post time.
class ReportWindow {
public:
    ReportWindow();
    ~ReportWindow();
    HWND hwnd() const { return m_hwnd; }
    // Pumps until PROGRESS_ALL_DONE arrives or timeoutMs passes; returns the codes received.
    std::vector<WPARAM> PumpUntilAllDone(DWORD timeoutMs = 60000);
    // Takes whatever is queued now, without waiting.
    std::vector<WPARAM> TakeQueued();
    static std::vector<Report> PostedReports();

private:
    HWND m_hwnd = nullptr;
};

// File-system helpers (Windows paths).
std::string TestName();
void RemoveTree(const std::string& path);  // clears attributes first, ignores what is missing
void MakeDirs(const std::string& path);
void WriteBytes(const std::string& path, size_t size, char fill = 'x');
// Size of a file, or -1 when it is absent.
long long FileSize(const std::string& path);
bool IsDir(const std::string& path);
std::string ReadAll(const std::string& path);

// A fresh packet folder C:\tavtest\<test>\pkt\ holding TOOL.EXE, with the update state pointing
// at it, and an emptied card T:\ as g_strCardRoot.
class PacketFixture {
public:
    PacketFixture();
    std::string pkt;   // ends with a backslash
    std::string card;  // "T:\"
    std::string Add(const std::string& rel, size_t size, char fill = 'x');
};
