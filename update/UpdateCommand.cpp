// Update CF Card: check the card, total the packet, start the copy worker.
#include "app/UpgradeDlg.h"
#include "CopyWorker.h"
#include "PacketScan.h"
#include "ProgressMessage.h"
#include "UpdateState.h"
#include "framework/App.h"
#include "framework/Text.h"
#include "res/resource.h"
#include <cstdio>

BOOL IsFat32Name(const char* fileSystem) { return MakeUpperAnsi(fileSystem) == "FAT32"; }

void CUpgradeDlg::OnUpdateCard()
{
    // A worker of this run is still alive (a late starter too): a second one would share its
    // state, so the click only brings the caption up to date.
    if (LiveCopyWorkers() > 0) {
        if (CurrentTarget().empty())
            SetWindowText("Downloading file...");
        else
            OnCopyProgress(PROGRESS_FILE_DONE, 0);
        return;
    }
    g_strCardRoot = m_cbCardDrive.GetWindowText();

    char fileSystem[256] = {};
    DWORD maxComponent = 0, flags = 0;
    GetVolumeInformationA(g_strCardRoot.c_str(), nullptr, 0, nullptr, &maxComponent, &flags, fileSystem,
                          sizeof(fileSystem));
    if (!IsFat32Name(fileSystem)) {
        // Ends in the full-width exclamation mark of code page 936.
        AfxMessageBox("CF Card is not FAT32, Please format first\xA3\xA1", MB_OK);
        return;
    }

    SetWindowText("Calculating File Size...");
    g_nTotalBytes = 0;
    ScanPacketSize(g_strPacketDir);

    SetWindowText("Downloading file...");
    BeginCopyWorker(m_hWnd);
    Sleep(300);
    if (g_bWorkerStarted) {
        m_btnUpdateCard.EnableWindow(FALSE);
        m_btnExit.EnableWindow(FALSE);
        m_btnFormatCard.EnableWindow(FALSE);
    } else {
        AfxMessageBox("Fail to begin downloading", MB_OK);
    }
}

LRESULT CUpgradeDlg::OnCopyProgress(WPARAM wParam, LPARAM)
{
    switch (wParam) {
    case 0:
        return 0;
    case PROGRESS_FILE_DONE: {
        char percent[64];
        std::snprintf(percent, sizeof(percent), "%.1f%%", static_cast<double>(g_fPercent.load()));
        SetWindowText(std::string(percent) + "Downloading" + CurrentTarget());
        return 1;
    }
    case PROGRESS_ALL_DONE: {
        std::string caption = LoadResString(IDS_APP_CAPTION);
        m_btnUpdateCard.EnableWindow(TRUE);
        m_btnExit.EnableWindow(TRUE);
        m_btnFormatCard.EnableWindow(TRUE);
        SetWindowText(caption);
        return 1;
    }
    default:
        SetWindowText("");
        return 1;
    }
}
