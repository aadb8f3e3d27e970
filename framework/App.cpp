#include "App.h"
#include "Text.h"
#include "Wnd.h"

namespace {
CWinApp* g_pApp = nullptr;
const UINT kAppTitleString = 57344;
}

CWinApp::CWinApp(const char* pszAppName)
{
    g_pApp = this;
    m_hInstance = GetModuleHandleA(nullptr);
    if (pszAppName) {
        m_strAppName = pszAppName;
    } else {
        m_strAppName = LoadResString(kAppTitleString);
        if (m_strAppName.empty()) {
            char path[MAX_PATH + 1] = {};
            GetModuleFileNameA(nullptr, path, MAX_PATH);
            std::string name = path;
            size_t slash = name.find_last_of("\\/");
            if (slash != std::string::npos)
                name.erase(0, slash + 1);
            size_t dot = name.find_last_of('.');
            if (dot != std::string::npos)
                name.erase(dot);
            m_strAppName = name;
        }
    }
    m_pszAppName = m_strAppName.c_str();
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

UINT AfxMessageBoxType(UINT type)
{
    if ((type & MB_ICONMASK) == 0) {
        switch (type & MB_TYPEMASK) {
        case MB_OK:
        case MB_OKCANCEL:
        case MB_YESNO:
        case MB_YESNOCANCEL:
            type |= MB_ICONEXCLAMATION;
            break;
        }
    }
    return type;
}

int CWinApp::DoMessageBox(const char* text, UINT type, UINT)
{
    HWND owner = m_pMainWnd ? m_pMainWnd->GetSafeHwnd() : nullptr;
    if (owner && !IsWindow(owner))
        owner = nullptr;
    return MessageBoxA(owner, text, m_pszAppName, AfxMessageBoxType(type));
}

CWinApp* AfxGetApp() { return g_pApp; }

int AfxMessageBox(const char* text, UINT type, UINT helpId)
{
    if (CWinApp* app = AfxGetApp())
        return app->DoMessageBox(text, type, helpId);
    return MessageBoxA(nullptr, text, nullptr, AfxMessageBoxType(type));
}

int AfxMessageBox(const std::string& text, UINT type, UINT helpId)
{
    return AfxMessageBox(text.c_str(), type, helpId);
}
