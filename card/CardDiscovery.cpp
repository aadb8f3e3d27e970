// Offers the removable drives C: to Z: in the drive list.
#include "app/UpgradeDlg.h"
#include "framework/App.h"
#include <cstdio>

BOOL CUpgradeDlg::FindCardDrives()
{
    BOOL found = FALSE;
    // A: and B: are never offered.
    for (int letter = 'C'; letter <= 'Z'; ++letter) {
        char root[16] = {};
        std::snprintf(root, sizeof(root), "%c:\\", letter);
        if (GetDriveTypeA(root) == DRIVE_REMOVABLE) {
            SendMessageA(m_cbCardDrive.m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(root));
            found = TRUE;
        }
    }
    if (found) {
        SendMessageA(m_cbCardDrive.m_hWnd, CB_SETCURSEL, 0, 0);
        return TRUE;
    }
    AfxMessageBox("No Card Found!", 0, 0);
    return FALSE;
}
