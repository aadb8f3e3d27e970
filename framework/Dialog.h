#pragma once
// Modal dialogs from a template, with data exchange that binds template controls to objects.
#include "Wnd.h"

class CDialog;

struct CDataExchange {
    BOOL m_bSaveAndValidate;
    CDialog* m_pDlgWnd;
};

// Binds the template control nIDC to the object (once), so the object's behaviour applies.
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control);

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog until it ends; returns its end code, or -1 when it cannot be created.
    INT_PTR DoModal();
    // Creates it modeless (used by tests); FALSE when it cannot be created.
    BOOL Create(CWnd* pParentWnd = nullptr);
    void EndDialog(int nResult);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    void CenterWindow();

    UINT m_nIDTemplate;

protected:
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX) {}
    // Handles WM_INITDIALOG and the IDOK / IDCANCEL commands, reflecting child messages first.
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // The dialog manager's own processing of the message being handled.
    LRESULT Default() override;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    CWnd* m_pParentWnd;
    UINT m_nInDefault = 0;  // the message now inside the dialog manager's default processing
    bool m_bModeless = false;
};
