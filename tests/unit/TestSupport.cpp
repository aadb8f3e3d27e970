#include "TestSupport.h"
#include "update/CopyWorker.h"
#include "update/ProgressMessage.h"
#include "update/UpdateState.h"
#include "framework/Text.h"
#include <gtest/gtest.h>
#include <fstream>
#include <sstream>

int CRecordingApp::DoMessageBox(const char* text, UINT type, UINT)
{
    std::lock_guard<std::mutex> g(m_lock);
    m_boxes.push_back({text, type});
    return m_answer;
}

std::vector<CRecordingApp::Box> CRecordingApp::Boxes()
{
    std::lock_guard<std::mutex> g(m_lock);
    return m_boxes;
}

void CRecordingApp::Reset(int answer)
{
    std::lock_guard<std::mutex> g(m_lock);
    m_boxes.clear();
    m_answer = answer;
}

CRecordingApp& TestApp()
{
    static CRecordingApp app;
    return app;
}

namespace {
std::mutex g_reportLock;
std::vector<Report> g_reports;

BOOL WINAPI RecordingPoster(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    {
        std::lock_guard<std::mutex> g(g_reportLock);
        g_reports.push_back({wp, g_fPercent.load(), CurrentTarget()});
    }
    return PostMessageA(hwnd, msg, wp, lp);
}
}  // namespace

ReportWindow::ReportWindow()
{
    {
        std::lock_guard<std::mutex> g(g_reportLock);
        g_reports.clear();
    }
    SetProgressPoster(&RecordingPoster);
    m_hwnd = CreateWindowExA(0, "STATIC", "reports", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
}

ReportWindow::~ReportWindow()
{
    SetProgressPoster(nullptr);
    DestroyWindow(m_hwnd);
}

std::vector<WPARAM> ReportWindow::PumpUntilAllDone(DWORD timeoutMs)
{
    std::vector<WPARAM> codes;
    DWORD start = GetTickCount();
    while (GetTickCount() - start < timeoutMs) {
        MSG msg;
        while (PeekMessageA(&msg, m_hwnd, WM_COPY_PROGRESS, WM_COPY_PROGRESS, PM_REMOVE)) {
            codes.push_back(msg.wParam);
            if (msg.wParam == PROGRESS_ALL_DONE)
                return codes;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_POSTMESSAGE);
    }
    return codes;
}

std::vector<WPARAM> ReportWindow::TakeQueued()
{
    std::vector<WPARAM> codes;
    MSG msg;
    while (PeekMessageA(&msg, m_hwnd, WM_COPY_PROGRESS, WM_COPY_PROGRESS, PM_REMOVE))
        codes.push_back(msg.wParam);
    return codes;
}

std::vector<Report> ReportWindow::PostedReports()
{
    std::lock_guard<std::mutex> g(g_reportLock);
    return g_reports;
}

std::string TestName()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name)
        if (c == '/')
            c = '_';
    return name;
}

void RemoveTree(const std::string& path)
{
    DWORD attr = GetFileAttributesA(path.c_str());
    if (attr == INVALID_FILE_ATTRIBUTES)
        return;
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!(attr & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileA(path.c_str());
        return;
    }
    WIN32_FIND_DATAA fd;
    HANDLE h = FindFirstFileA((path + "\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::string n = fd.cFileName;
            if (n != "." && n != "..")
                RemoveTree(path + "\\" + n);
        } while (FindNextFileA(h, &fd));
        FindClose(h);
    }
    if (path.size() > 3)  // never the drive root itself
        RemoveDirectoryA(path.c_str());
}

void MakeDirs(const std::string& path)
{
    for (size_t i = 3; i <= path.size(); ++i)
        if (i == path.size() || path[i] == '\\')
            CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

void WriteBytes(const std::string& path, size_t size, char fill)
{
    size_t cut = path.find_last_of('\\');
    if (cut != std::string::npos)
        MakeDirs(path.substr(0, cut));
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    std::string data(size, fill);
    DWORD done = 0;
    if (size)
        WriteFile(h, data.data(), static_cast<DWORD>(size), &done, nullptr);
    CloseHandle(h);
}

long long FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA d;
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d) ||
        (d.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return -1;
    return (static_cast<long long>(d.nFileSizeHigh) << 32) | d.nFileSizeLow;
}

bool IsDir(const std::string& path)
{
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

PacketFixture::PacketFixture()
{
    std::string base = "C:\\tavtest\\" + TestName();
    RemoveTree(base);
    pkt = base + "\\pkt\\";
    MakeDirs(base + "\\pkt");
    card = "T:\\";
    RemoveTree("T:\\");
    g_strPacketDir = pkt;
    g_strSelfPathUpper = MakeUpperAnsi(pkt + "TOOL.EXE");
    g_strCardRoot = card;
    g_nTotalBytes = 0;
    g_nCopiedBytes = 0;
    g_fPercent = 0.0f;
    SetCurrentTarget("");
    WriteBytes(pkt + "TOOL.EXE", 4096, 'M');
    TestApp().Reset();
}

std::string PacketFixture::Add(const std::string& rel, size_t size, char fill)
{
    WriteBytes(pkt + rel, size, fill);
    return pkt + rel;
}

int main(int argc, char** argv)
{
    TestApp();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
