#include "UpgradeApp.h"
#include "UpgradeDlg.h"
#include "update/CopyWorker.h"
#include <commctrl.h>

CUpgradeApp theApp;

namespace {
// "应用程序向导生成的本地应用程序" in code page 936: the key is recorded, never opened.
const char kRegistryKey[] =
    "\xD3\xA6\xD3\xC3\xB3\xCC\xD0\xF2\xCF\xF2\xB5\xBC\xC9\xFA\xB3\xC9\xB5\xC4\xB1\xBE\xB5\xD8\xD3\xA6\xD3\xC3\xB3\xCC\xD0\xF2";
}

BOOL CUpgradeApp::InitInstance()
{
    InitCommonControls();
    CWinApp::InitInstance();
    SetRegistryKey(kRegistryKey);
    {
        CUpgradeDlg dlg;
        m_pMainWnd = &dlg;
        dlg.DoModal();
        m_pMainWnd = nullptr;
    }
    // Closed during a copy: the window is gone already; stop the worker and end only once it
    // has stopped, so no file is left half-written and no global is destroyed under it.
    RequestCopyStop();
    WaitForCopyWorkers(INFINITE);
    return FALSE;
}
