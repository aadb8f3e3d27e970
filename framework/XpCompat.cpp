// The static threading run-time calls GetTickCount64, which Windows XP lacks. This object supplies
// the import slot itself, so the executable imports no such function and runs on XP.
#include <windows.h>

namespace {
ULONGLONG WINAPI TickCount64FromTickCount()
{
    // Extends the 32-bit count; assumes a call at least once per 49.7 days, which the
    // run-time's timed waits do.
    static volatile LONG s_last = 0;
    static volatile LONG s_wraps = 0;
    DWORD now = GetTickCount();
    DWORD last = static_cast<DWORD>(InterlockedExchange(&s_last, static_cast<LONG>(now)));
    if (now < last)
        InterlockedIncrement(&s_wraps);
    return (static_cast<ULONGLONG>(static_cast<DWORD>(s_wraps)) << 32) | now;
}
}  // namespace

extern "C" {
__attribute__((used)) ULONGLONG(WINAPI* g_pfnTickCount64)() __asm__("__imp__GetTickCount64@0") =
    &TickCount64FromTickCount;
}
