#pragma once
// The application object and the application message box.
#include <windows.h>
#include <string>

class CWnd;

class CWinApp {
public:
    // A null name lets the framework take string 57344 or, without it, the executable's
    // file name without directory and extension.
    explicit CWinApp(const char* pszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // The program's start-up; FALSE ends it without a message loop.
    virtual BOOL InitInstance() { return TRUE; }
    virtual int ExitInstance() { return 0; }
    // Records the settings key; nothing is read or written under it.
    void SetRegistryKey(const char* key) { m_strRegistryKey = key ? key : ""; }
    // Every AfxMessageBox ends here; tests override it to record texts and script answers.
    virtual int DoMessageBox(const char* text, UINT type, UINT helpId);

    const char* m_pszAppName = nullptr;
    CWnd* m_pMainWnd = nullptr;  // owner of message boxes while it has a window
    HINSTANCE m_hInstance = nullptr;

private:
    std::string m_strAppName;
    std::string m_strRegistryKey;
};

CWinApp* AfxGetApp();
// The type with no icon bits gets the exclamation icon when its buttons are OK, OK/Cancel,
// Yes/No or Yes/No/Cancel.
UINT AfxMessageBoxType(UINT type);
int AfxMessageBox(const char* text, UINT type = MB_OK, UINT helpId = 0);
int AfxMessageBox(const std::string& text, UINT type = MB_OK, UINT helpId = 0);
