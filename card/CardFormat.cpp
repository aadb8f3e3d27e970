// Format CF Card: the system's own format command, FAT32, quick, label KELVORIN.
#include "app/UpgradeDlg.h"
#include "framework/File.h"
#include "framework/App.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "update/UpdateState.h"
#include <cstdio>
#include <cstdlib>

namespace {
// The full-width marks are the code page 936 bytes A3 A1 and A3 BF.
const char kFormatFailed[] = "Format Failed\xA3\xA1";
const char kFormatComplete[] = "Complete Format\xA3\xA1";
}  // namespace

void CUpgradeDlg::OnFormatCard()
{
    std::string help = LoadResString(IDS_HELP_TEXT);
    char drive[16] = {};
    ::GetWindowTextA(m_cbCardDrive.m_hWnd, drive, sizeof(drive));
    drive[2] = '\0';

    char question[128];
    std::snprintf(question, sizeof(question), "Selected Format %s\n\nAll Data will Be Lost!!!\n\n Are You Sure\xA3\xBF",
                  drive);
    if (AfxMessageBox(question, MB_ICONWARNING | MB_YESNO) != IDYES)
        return;
    m_btnHelpText.SetWindowText("Formatting CF Card...");

    auto fail = [&](const char* text) {
        AfxMessageBox(text, MB_OK);
        m_btnHelpText.SetWindowText(help);
    };

    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof(version);  // 148
    GetVersionExA(&version);

    // Both texts are built before anything is created: a cut path must never name another file.
    char answer[256] = {};
    int n = std::snprintf(answer, sizeof(answer), "%s111.txt", g_strPacketDir.c_str());
    char command[1024] = {};
    int m = version.dwMajorVersion > 4
                // Quoted, so blanks and cmd's special characters in the folder stay part of the path.
                ? std::snprintf(command, sizeof(command), "format %s /FS:FAT32 /Q /X /V:KELVORIN <\"%s\"", drive, answer)
                : std::snprintf(command, sizeof(command), "format %s /Q /autotest /V:KELVORIN", drive);
    if (g_strPacketDir.empty() || n < 0 || n >= static_cast<int>(sizeof(answer)) || m < 0 ||
        m >= static_cast<int>(sizeof(command))) {
        fail(kFormatFailed);
        return;
    }

    CFile file;
    if (!file.Open(answer, CFile::modeCreate | CFile::modeReadWrite | CFile::shareCompat)) {
        fail(kFormatFailed);
        return;
    }
    BOOL written = file.Write("\r\n", 2);
    if (!file.Close() || !written) {
        DeleteFileA(answer);
        ReportFileError(answer);
        m_btnHelpText.SetWindowText(help);
        return;
    }

    int status = std::system(command);
    DeleteFileA(answer);
    // format exits 0 on success and non-zero on failure or refusal; -1: no interpreter.
    AfxMessageBox(status == 0 ? kFormatComplete : kFormatFailed, MB_OK);
    m_btnHelpText.SetWindowText(help);
}
