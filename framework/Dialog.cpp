#include "Dialog.h"
#include "App.h"

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& control)
{
    if (!control.m_hWnd)
        control.SubclassWindow(::GetDlgItem(pDX->m_pDlgWnd->m_hWnd, nIDC));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog()
{
    if (m_hWnd && m_bModeless)
        DestroyWindow(m_hWnd);
}

// Without a parent of its own, a dialog is owned by the application's main window.
static HWND OwnerFor(CWnd* parent, CDialog* self)
{
    if (parent)
        return parent->m_hWnd;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd != self && IsWindow(app->m_pMainWnd->m_hWnd))
        return app->m_pMainWnd->m_hWnd;
    return nullptr;
}

void CDialog::CenterWindow()
{
    RECT me, area;
    GetWindowRect(m_hWnd, &me);
    HWND owner = ::GetWindow(m_hWnd, GW_OWNER);
    if (owner && IsWindowVisible(owner) && !IsIconic(owner))
        GetWindowRect(owner, &area);
    else
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    int w = me.right - me.left, h = me.bottom - me.top;
    int x = area.left + (area.right - area.left - w) / 2, y = area.top + (area.bottom - area.top - h) / 2;
    SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CDialog::DoModal()
{
    HWND parent = OwnerFor(m_pParentWnd, this);
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                           &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
}

BOOL CDialog::Create(CWnd* pParentWnd)
{
    m_bModeless = true;
    if (pParentWnd)
        m_pParentWnd = pParentWnd;
    HWND parent = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    return CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), parent,
                              &CDialog::DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void CDialog::EndDialog(int nResult)
{
    if (m_bModeless)
        DestroyWindow(m_hWnd);
    else
        ::EndDialog(m_hWnd, nResult);
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx{bSaveAndValidate, this};
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

LRESULT CDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_INITDIALOG: {
        // Templates placed at (0, 0) are centred over their owner, or on the screen.
        CenterWindow();
        return OnInitDialog();
    }
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED) {
            if (LOWORD(wp) == IDOK) {
                OnOK();
                return 0;
            }
            if (LOWORD(wp) == IDCANCEL) {
                OnCancel();
                return 0;
            }
        }
        break;
    }
    return Default();
}

LRESULT CDialog::Default()
{
    // DefDlgProc calls the dialog procedure again first; it answers FALSE for this message so
    // the dialog manager does its own processing.
    UINT saved = m_nInDefault;
    m_nInDefault = m_current.msg;
    LRESULT r = DefDlgProcA(m_hWnd, m_current.msg, m_current.wp, m_current.lp);
    m_nInDefault = saved;
    return r;
}

namespace {
// Messages whose dialog-procedure return value is the answer itself.
bool ReturnsDirectly(UINT msg)
{
    switch (msg) {
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return false;
    }
}
}  // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CDialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<CDialog*>(lp);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, lp);
        self->m_hWnd = hWnd;
    } else {
        self = reinterpret_cast<CDialog*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    }
    if (!self || self->m_hWnd != hWnd)
        return FALSE;
    if (self->m_nInDefault == msg && msg != 0)
        return FALSE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, 0);
        self->m_hWnd = nullptr;
        CWinApp* app = AfxGetApp();
        if (app && app->m_pMainWnd == self)
            app->m_pMainWnd = nullptr;
        return FALSE;
    }
    LRESULT r = self->Dispatch(msg, wp, lp);
    if (ReturnsDirectly(msg))
        return static_cast<INT_PTR>(r);
    SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, r);
    return TRUE;
}
