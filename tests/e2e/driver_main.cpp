// tavrino-driver: works the real tool's window from a script (run command, screenshot test,
// start-up benchmark). Commands:
//   wait MS                 wait for the main window; print its handle
//   rects                   print the screen rectangles of the client area and the command controls
//   click ID                press the main window's control ID
//   press ID MS             press control ID, then print each new caption until the application
//                           caption returns (or MS pass); message boxes are printed and answered OK
//   close                   close the main window with its close box
//   startup EXE RUNS        start EXE RUNS times; print the time until its main window shows
#include "WindowDriver.h"
#include "res/resource.h"
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
const char kCaption[] = "Orvin Series Upgrade [";

HWND MainWindow(DWORD ms) { return e2e::WaitForDialog(0, kCaption, ms); }

void PrintRect(const char* name, HWND h, bool client)
{
    RECT r;
    if (client) {
        GetClientRect(h, &r);
        MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(h, &r);
    }
    std::printf("%s %ld %ld %ld %ld\n", name, r.left, r.top, r.right, r.bottom);
}

int Startup(const std::string& exe, int runs)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER f, t0, t1;
        QueryPerformanceFrequency(&f);
        e2e::Tool tool;
        QueryPerformanceCounter(&t0);
        if (!e2e::Launch(tool, exe))
            return 2;
        HWND shown = nullptr;
        while (!shown && !tool.Exited(0)) {
            std::vector<HWND> w = e2e::TopWindows(tool.pi.dwProcessId);
            if (!w.empty())
                shown = w[0];
            else
                Sleep(1);
        }
        QueryPerformanceCounter(&t1);
        if (!shown)
            return 3;
        ms.push_back(1000.0 * (t1.QuadPart - t0.QuadPart) / f.QuadPart);
        PostMessageA(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
        tool.Exited(10000);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("runs %d  median %.0f ms  min %.0f ms  max %.0f ms\n", runs, ms[ms.size() / 2], ms.front(), ms.back());
    return 0;
}
}  // namespace

int main(int argc, char** argv)
{
    std::string cmd = argc > 1 ? argv[1] : "";
    if (cmd == "startup" && argc == 4)
        return Startup(argv[2], std::atoi(argv[3]));
    HWND dlg = MainWindow(cmd == "wait" && argc > 2 ? std::atoi(argv[2]) : 20000);
    if (!dlg) {
        std::fprintf(stderr, "tavrino-driver: no main window\n");
        return 1;
    }
    if (cmd == "wait") {
        std::printf("%p\n", static_cast<void*>(dlg));
    } else if (cmd == "rects") {
        PrintRect("client", dlg, true);
        for (int id : {IDOK, IDC_HELP_TEXT, IDC_BTN_FORMAT_CARD, IDC_BTN_UPDATE_CARD})
            PrintRect(std::to_string(id).c_str(), GetDlgItem(dlg, id), false);
    } else if (cmd == "click" && argc == 3) {
        e2e::Click(GetDlgItem(dlg, std::atoi(argv[2])));
    } else if (cmd == "press" && argc == 4) {
        std::string app = e2e::Text(dlg), last = app;
        e2e::Click(GetDlgItem(dlg, std::atoi(argv[2])));
        DWORD start = GetTickCount(), limit = static_cast<DWORD>(std::atoi(argv[3]));
        bool left = false;
        DWORD pid = 0;
        GetWindowThreadProcessId(dlg, &pid);
        // Sent messages go before posted ones: polling too fast would starve the tool's own
        // posted reports, so look every 10 ms and for boxes less often.
        for (int round = 0; GetTickCount() - start < limit && IsWindow(dlg); ++round) {
            for (const e2e::Box& box : round % 10 ? std::vector<e2e::Box>() : e2e::MessageBoxes(pid)) {
                std::printf("box: %s\n", box.text.c_str());
                std::fflush(stdout);
                e2e::Answer(box, IDOK);
                Sleep(100);
            }
            std::string now = e2e::Text(dlg);
            if (now != last) {
                std::printf("%s\n", now.c_str());
                std::fflush(stdout);
                last = now;
                left = left || now != app;
                if (left && now == app) {
                    std::fprintf(stderr, "elapsed %lu ms\n", GetTickCount() - start);
                    return 0;
                }
            }
            Sleep(10);
        }
        return left ? 4 : 5;
    } else if (cmd == "close") {
        PostMessageA(dlg, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else {
        std::fprintf(stderr, "tavrino-driver: unknown command\n");
        return 2;
    }
    return 0;
}
