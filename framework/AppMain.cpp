// The program's entry: the single application object runs the program from InitInstance.
#include "App.h"

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR, int)
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->m_hInstance = hInstance;
    int code = 0;
    try {
        // No program here asks for a message loop after InitInstance: it runs the whole program.
        app->InitInstance();
        code = app->ExitInstance();
    } catch (...) {
        code = -1;
    }
    return code;
}
