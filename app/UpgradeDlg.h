#pragma once
// The tool's main window.
#include "controls/ImageButton.h"
#include "controls/TiledBkDialog.h"

// Where the minimised window draws its icon: centred, with signed division truncating toward zero.
POINT MinimizedIconOrigin(int clientWidth, int clientHeight, int cxIcon, int cyIcon);

// The card check of the update: the volume's file-system name, in any letter case, is FAT32.
BOOL IsFat32Name(const char* fileSystem);

class CUpgradeDlg : public CTiledBkDialog {
public:
    explicit CUpgradeDlg(CWnd* pParent = nullptr);
    ~CUpgradeDlg() override;

    // Fills the drive list with the removable drives C: to Z: and selects the first; with none,
    // says "No Card Found!" and returns FALSE. (card/)
    BOOL FindCardDrives();
    // Update CF Card. (update/)
    void OnUpdateCard();
    // The copy worker's reports: the caption, and the buttons at the end. (update/)
    LRESULT OnCopyProgress(WPARAM wParam, LPARAM lParam);
    // Format CF Card. (card/)
    void OnFormatCard();

protected:
    friend struct UpgradeDlgInspector;  // tests look at the controls
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();

    HICON m_hIcon;
    CImageButton m_btnLblUpdate;
    CImageButton m_btnLblTools;
    CImageButton m_btnHelpText;
    CImageButton m_btnExit;
    CImageButton m_btnUpdateCard;
    CImageButton m_btnFormatCard;
    CImageButton m_btnLblCardDisk;
    CComboBox m_cbCardDrive;
};
