#include "UpgradeDlg.h"
#include "AboutBox.h"
#include "framework/App.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "update/CopyWorker.h"
#include "update/ProgressMessage.h"
#include "update/UpdateState.h"

CUpgradeDlg::CUpgradeDlg(CWnd* pParent) : CTiledBkDialog(IDD_UPGRADE_DIALOG, pParent)
{
    m_hIcon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAIN));
}

CUpgradeDlg::~CUpgradeDlg() = default;

void CUpgradeDlg::DoDataExchange(CDataExchange* pDX)
{
    CTiledBkDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LBL_UPDATE, m_btnLblUpdate);
    DDX_Control(pDX, IDC_LBL_TOOLS, m_btnLblTools);
    DDX_Control(pDX, IDC_HELP_TEXT, m_btnHelpText);
    DDX_Control(pDX, IDOK, m_btnExit);
    DDX_Control(pDX, IDC_BTN_UPDATE_CARD, m_btnUpdateCard);
    DDX_Control(pDX, IDC_BTN_FORMAT_CARD, m_btnFormatCard);
    DDX_Control(pDX, IDC_LBL_CARD_DISK, m_btnLblCardDisk);
    DDX_Control(pDX, IDC_CARD_DRIVE, m_cbCardDrive);
}

BOOL CUpgradeDlg::OnInitDialog()
{
    CTiledBkDialog::OnInitDialog();
    SetBitmap(MAKEINTRESOURCEA(IDB_BACKGROUND));

    if (HMENU menu = GetSystemMenu(m_hWnd, FALSE)) {
        std::string about = LoadResString(IDS_ABOUT_MENU);
        if (!about.empty()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(menu, MF_STRING, IDM_ABOUT_BOX, about.c_str());
        }
    }
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    // Label mode resets the label colour, so the colour comes after it.
    m_btnHelpText.SetWindowText(LoadResString(IDS_HELP_TEXT));
    m_btnHelpText.SetLabelMode(TRUE, FALSE);
    m_btnHelpText.SetColor(6, RGB(0x60, 0x00, 0x1C), TRUE);
    m_btnHelpText.SetTextFont(16, FALSE, FALSE, FALSE, TRUE);

    m_btnLblUpdate.SetLabelMode(TRUE, FALSE);
    m_btnLblTools.SetLabelMode(TRUE, FALSE);
    m_btnLblCardDisk.SetLabelMode(TRUE, FALSE);

    m_btnExit.SetIcon(static_cast<UINT>(IDI_EXIT));
    m_btnUpdateCard.SetIcon(static_cast<UINT>(IDI_UPDATE_CARD));
    m_btnUpdateCard.m_nIconOffsetX = 10;
    m_btnFormatCard.SetFlat(FALSE, TRUE);
    m_btnFormatCard.SetIcon(static_cast<UINT>(IDI_FORMAT_CARD));
    m_btnFormatCard.m_nIconOffsetX = 10;

    SetWindowText(LoadResString(IDS_APP_CAPTION));

    if (!LocatePacket()) {
        // A cut module path would name a wrong folder: copying or formatting from it is unsafe.
        AfxMessageBox("Tavrino cannot find its own folder: the path it was started from is too long. "
                      "Move the update packet to a folder with a shorter path and start it again.");
        OnCancel();
        return TRUE;
    }
    if (!FindCardDrives())
        OnCancel();
    return TRUE;
}

LRESULT CUpgradeDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_SYSCOMMAND:
        OnSysCommand(static_cast<UINT>(wp), lp);
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    case WM_COPY_PROGRESS:
        return OnCopyProgress(wp, lp);
    case WM_DESTROY:
        // Closing ends a running copy: asked now, the worker shows no more boxes for a window
        // that is going away.
        RequestCopyStop();
        break;
    case WM_COMMAND:
        if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDC_BTN_UPDATE_CARD) {
            OnUpdateCard();
            return 0;
        }
        if (HIWORD(wp) == BN_CLICKED && LOWORD(wp) == IDC_BTN_FORMAT_CARD) {
            OnFormatCard();
            return 0;
        }
        break;
    }
    return CTiledBkDialog::WindowProc(msg, wp, lp);
}

void CUpgradeDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) == IDM_ABOUT_BOX) {
        CAboutBox about;
        about.DoModal();
    } else {
        Default();
    }
}

void CUpgradeDlg::OnPaint()
{
    if (!IsIconic(m_hWnd)) {
        Default();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON), cyIcon = GetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(m_hWnd, &rect);
    POINT at = MinimizedIconOrigin(rect.Width(), rect.Height(), cxIcon, cyIcon);
    DrawIcon(dc, at.x, at.y, m_hIcon);
}

POINT MinimizedIconOrigin(int clientWidth, int clientHeight, int cxIcon, int cyIcon)
{
    // Width 0 with a 32-pixel icon gives -15, not -16.
    return POINT{(clientWidth - cxIcon + 1) / 2, (clientHeight - cyIcon + 1) / 2};
}

HCURSOR CUpgradeDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }
