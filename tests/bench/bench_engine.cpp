// Times the size scan and the copy worker on a packet folder and a card root given on the
// command line: bench_engine PACKET_DIR CARD_ROOT
#include "framework/App.h"
#include "update/CopyWorker.h"
#include "update/PacketScan.h"
#include "update/ProgressMessage.h"
#include "update/UpdateState.h"
#include <cstdio>

namespace {
class CBenchApp : public CWinApp {
public:
    int failures = 0;
    int DoMessageBox(const char* text, UINT, UINT) override
    {
        ++failures;
        std::fprintf(stderr, "box: %s\n", text);
        return IDOK;
    }
} theApp;

double Seconds(LARGE_INTEGER a, LARGE_INTEGER b, LARGE_INTEGER f)
{
    return static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_engine PACKET_DIR CARD_ROOT\n");
        return 2;
    }
    g_strPacketDir = argv[1];
    if (g_strPacketDir.back() != '\\')
        g_strPacketDir += '\\';
    g_strSelfPathUpper = g_strPacketDir + "TAVRINO.EXE";
    g_strCardRoot = argv[2];
    HWND hwnd = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);

    LARGE_INTEGER f, t0, t1, t2;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t0);
    g_nTotalBytes = 0;
    ScanPacketSize(g_strPacketDir);
    QueryPerformanceCounter(&t1);
    BeginCopyWorker(hwnd);
    int files = 0;
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_COPY_PROGRESS && msg.wParam == PROGRESS_FILE_DONE)
            ++files;
        if (msg.message == WM_COPY_PROGRESS && msg.wParam == PROGRESS_ALL_DONE)
            break;
    }
    QueryPerformanceCounter(&t2);
    WaitForCopyWorkers(10000);
    std::printf("scan %.3f s  copy %.3f s  files %d  bytes %u  failures %d  last %.1f%%\n",
                Seconds(t0, t1, f), Seconds(t1, t2, f), files, g_nTotalBytes.load(), theApp.failures,
                static_cast<double>(g_fPercent.load()));
    return theApp.failures ? 1 : 0;
}
