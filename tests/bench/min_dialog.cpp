// A minimal Win32 dialog program, built from an in-memory template: the floor for start-up times.
#include <windows.h>

namespace {
INT_PTR CALLBACK Proc(HWND h, UINT m, WPARAM w, LPARAM)
{
    if (m == WM_INITDIALOG)
        return TRUE;
    if (m == WM_COMMAND && (LOWORD(w) == IDOK || LOWORD(w) == IDCANCEL)) {
        EndDialog(h, LOWORD(w));
        return TRUE;
    }
    return FALSE;
}
}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int)
{
    struct {
        DLGTEMPLATE t;
        WORD menu, cls;
        wchar_t title[8];
    } tpl = {{WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_CENTER, 0, 0, 0, 0, 200, 80}, 0, 0, L"Minimal"};
    return static_cast<int>(DialogBoxIndirectParamA(inst, &tpl.t, nullptr, &Proc, 0));
}
