#include "TestSupport.h"
#include "app/UpgradeDlg.h"
#include "framework/Text.h"
#include "res/resource.h"
#include "update/CopyWorker.h"
#include "update/ProgressMessage.h"
#include "update/UpdateState.h"
#include <gtest/gtest.h>

struct ImageButtonInspector {
    static BOOL Flat(const CImageButton& b) { return b.m_bFlat; }
    static BOOL Label(const CImageButton& b) { return b.m_bLabelMode; }
    static COLORREF Slot(const CImageButton& b, int i) { return b.m_crSlot[i]; }
    static HICON Icon(const CImageButton& b) { return b.m_hIconImage; }
    static LOGFONTA Font(const CImageButton& b)
    {
        LOGFONTA lf{};
        if (b.m_fontText.GetSafeHandle())
            GetObjectA(b.m_fontText.GetSafeHandle(), sizeof(lf), &lf);
        return lf;
    }
};

struct UpgradeDlgInspector {
    static CImageButton& Button(CUpgradeDlg& d, int id)
    {
        switch (id) {
        case IDC_LBL_UPDATE: return d.m_btnLblUpdate;
        case IDC_LBL_TOOLS: return d.m_btnLblTools;
        case IDC_HELP_TEXT: return d.m_btnHelpText;
        case IDOK: return d.m_btnExit;
        case IDC_BTN_UPDATE_CARD: return d.m_btnUpdateCard;
        case IDC_BTN_FORMAT_CARD: return d.m_btnFormatCard;
        default: return d.m_btnLblCardDisk;
        }
    }
    static HICON WindowIcon(CUpgradeDlg& d) { return d.m_hIcon; }
};

namespace {

using I = ImageButtonInspector;

class UpgradeDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestApp().Reset();
        ASSERT_TRUE(dlg.Create());
        ASSERT_TRUE(IsWindow(dlg.m_hWnd)) << "the test prefix offers removable E:";
    }
    void TearDown() override
    {
        if (IsWindow(dlg.m_hWnd))
            DestroyWindow(dlg.m_hWnd);
    }
    CImageButton& Btn(int id) { return UpgradeDlgInspector::Button(dlg, id); }
    CUpgradeDlg dlg;
};

TEST_F(UpgradeDlgTest, SetUpGivesLabelsButtonsCaptionPacketAndDrives)
{
    for (int id : {IDC_LBL_UPDATE, IDC_LBL_TOOLS, IDC_HELP_TEXT, IDC_LBL_CARD_DISK}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(I::Label(Btn(id)));
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg.m_hWnd, id))) << "labels take no clicks";
    }
    CImageButton& help = Btn(IDC_HELP_TEXT);
    EXPECT_EQ(help.GetWindowText(), LoadResString(IDS_HELP_TEXT));
    EXPECT_EQ(I::Slot(help, 6), RGB(96, 0, 28));
    LOGFONTA lf = I::Font(help);
    EXPECT_EQ(lf.lfHeight, 16);
    EXPECT_STREQ(lf.lfFaceName, "Arial");
    EXPECT_EQ(lf.lfWeight, 0);
    EXPECT_EQ(I::Slot(Btn(IDC_LBL_UPDATE), 6), RGB(0, 0, 0));
    EXPECT_EQ(I::Font(Btn(IDC_LBL_UPDATE)).lfHeight, 0) << "other labels keep the dialog font";

    struct ButtonCase {
        int id;
        int offset;
        BOOL flat;
    };
    for (ButtonCase c : {ButtonCase{IDOK, 0, TRUE}, ButtonCase{IDC_BTN_UPDATE_CARD, 10, TRUE},
                         ButtonCase{IDC_BTN_FORMAT_CARD, 10, FALSE}}) {
        SCOPED_TRACE(c.id);
        EXPECT_NE(I::Icon(Btn(c.id)), nullptr);
        EXPECT_EQ(Btn(c.id).m_nIconOffsetX, c.offset);
        EXPECT_EQ(I::Flat(Btn(c.id)), c.flat);
        EXPECT_TRUE(IsWindowEnabled(Btn(c.id).m_hWnd));
    }
    EXPECT_EQ(dlg.GetWindowText(), LoadResString(IDS_APP_CAPTION));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dlg.m_hWnd, WM_GETICON, ICON_BIG, 0)),
              UpgradeDlgInspector::WindowIcon(dlg));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(dlg.m_hWnd, WM_GETICON, ICON_SMALL, 0)),
              UpgradeDlgInspector::WindowIcon(dlg));
    EXPECT_EQ(g_strSelfPathUpper.substr(g_strPacketDir.size()), "APP_TESTS.EXE");
    EXPECT_EQ(SendDlgItemMessageA(dlg.m_hWnd, IDC_CARD_DRIVE, CB_GETCURSEL, 0, 0), 0);
    char shown[16] = {};
    GetDlgItemTextA(dlg.m_hWnd, IDC_CARD_DRIVE, shown, sizeof(shown));
    EXPECT_STREQ(shown, "E:\\") << "the closed list shows the selected drive";
    EXPECT_TRUE(TestApp().Boxes().empty());
}

// Closes the About box from inside its own modal loop, after checking it is there.
void CALLBACK CloseAbout(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND about = FindWindowA("#32770", "?? Tavrino");
    if (about)
        PostMessageA(about, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    KillTimer(nullptr, id);
}

TEST_F(UpgradeDlgTest, SystemMenuEndsWithTheAboutEntry)
{
    HMENU menu = GetSystemMenu(dlg.m_hWnd, FALSE);
    int n = GetMenuItemCount(menu);
    ASSERT_GE(n, 2);
    char text[64] = {};
    GetMenuStringA(menu, n - 1, text, sizeof(text), MF_BYPOSITION);
    EXPECT_STREQ(text, "About Tavrino(&A)...");
    EXPECT_EQ(GetMenuItemID(menu, n - 1), static_cast<UINT>(IDM_ABOUT_BOX));
    EXPECT_TRUE(GetMenuState(menu, n - 2, MF_BYPOSITION) & MF_SEPARATOR);

    // Any command 0x10-0x1F opens the About box; it returns when the box is closed.
    for (WPARAM cmd : {WPARAM(0x10), WPARAM(0x1F)}) {
        SCOPED_TRACE(cmd);
        SetTimer(nullptr, 0, 200, &CloseAbout);
        DWORD start = GetTickCount();
        SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, cmd, 0);
        EXPECT_GE(GetTickCount() - start, 150u) << "the About box ran modally";
        EXPECT_EQ(FindWindowA("#32770", "?? Tavrino"), nullptr);
    }
    // Standard commands reach the default handling.
    SendMessageA(dlg.m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(dlg.m_hWnd));
    EXPECT_TRUE(IsWindow(dlg.m_hWnd));
}

TEST(MinimizedIcon, IsCentredWithTruncatingDivision)
{
    struct Case {
        int w, h, x, y;
    };
    for (Case c : {Case{36, 36, 2, 2}, Case{0, 0, -15, -15}, Case{33, 100, 1, 34}, Case{32, 32, 0, 0}}) {
        POINT p = MinimizedIconOrigin(c.w, c.h, 32, 32);
        EXPECT_EQ(p.x, c.x) << c.w;
        EXPECT_EQ(p.y, c.y) << c.h;
    }
}

TEST(MessageBoxRule, ExclamationOnlyWhereNoIconWasAskedForAndTheButtonsQualify)
{
    struct Case {
        UINT type, shown;
    };
    const Case cases[] = {
        {MB_OK, MB_OK | MB_ICONEXCLAMATION},
        {MB_OKCANCEL, MB_OKCANCEL | MB_ICONEXCLAMATION},
        {MB_YESNO, MB_YESNO | MB_ICONEXCLAMATION},
        {MB_YESNOCANCEL, MB_YESNOCANCEL | MB_ICONEXCLAMATION},
        {MB_RETRYCANCEL, MB_RETRYCANCEL},
        {MB_ABORTRETRYIGNORE, MB_ABORTRETRYIGNORE},
        {MB_YESNO | MB_ICONWARNING, MB_YESNO | MB_ICONWARNING},
        {MB_OK | MB_ICONINFORMATION, MB_OK | MB_ICONINFORMATION},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AfxMessageBoxType(c.type), c.shown) << c.type;
    // The caption is the executable's name without folder and extension.
    EXPECT_STREQ(TestApp().m_pszAppName, "app_tests");
}

}  // namespace

namespace {

TEST(CardCheck, OnlyFat32InAnyLetterCasePasses)
{
    struct Case {
        const char* name;
        BOOL ok;
    };
    for (Case c : {Case{"FAT32", TRUE}, Case{"fat32", TRUE}, Case{"Fat32", TRUE}, Case{"FAT", FALSE},
                   Case{"FAT16", FALSE}, Case{"NTFS", FALSE}, Case{"exFAT", FALSE}, Case{"", FALSE},
                   Case{"FAT32 ", FALSE}})
        EXPECT_EQ(IsFat32Name(c.name), c.ok) << "[" << c.name << "]";
}

// The test prefix's E: has no FAT32 image: the update stops at the check.
TEST_F(UpgradeDlgTest, ANonFat32CardIsRefusedAndNothingChanges)
{
    std::string caption = dlg.GetWindowText();
    SendMessageA(GetDlgItem(dlg.m_hWnd, IDC_BTN_UPDATE_CARD), BM_CLICK, 0, 0);
    auto boxes = TestApp().Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "CF Card is not FAT32, Please format first\xA3\xA1");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(dlg.GetWindowText(), caption);
    for (int id : {IDC_BTN_UPDATE_CARD, IDOK, IDC_BTN_FORMAT_CARD})
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg.m_hWnd, id)));
    EXPECT_EQ(g_strCardRoot, "E:\\");
}

TEST_F(UpgradeDlgTest, ProgressCodesSetTheCaptionAndTheLastEnablesTheButtons)
{
    for (int id : {IDC_BTN_UPDATE_CARD, IDOK, IDC_BTN_FORMAT_CARD})
        EnableWindow(GetDlgItem(dlg.m_hWnd, id), FALSE);
    SetCurrentTarget("\\DATA\\MAP.BIN");
    struct Case {
        float percent;
        WPARAM code;
        LRESULT result;
        const char* caption;  // nullptr: unchanged
    };
    const Case cases[] = {
        {37.5f, 1, 1, "37.5%Downloading\\DATA\\MAP.BIN"},
        {0.04f, 1, 1, "0.0%Downloading\\DATA\\MAP.BIN"},
        {100.0f, 1, 1, "100.0%Downloading\\DATA\\MAP.BIN"},
        {100.0f, 0, 0, nullptr},
        {100.0f, 3, 1, ""},
        {100.0f, 77, 1, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        std::string before = dlg.GetWindowText();
        g_fPercent = c.percent;
        EXPECT_EQ(SendMessageA(dlg.m_hWnd, WM_COPY_PROGRESS, c.code, 0), c.result);
        EXPECT_EQ(dlg.GetWindowText(), c.caption ? c.caption : before);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg.m_hWnd, IDOK))) << "only the end enables the buttons";
    }
    EXPECT_EQ(SendMessageA(dlg.m_hWnd, WM_COPY_PROGRESS, PROGRESS_ALL_DONE, 0), 1);
    EXPECT_EQ(dlg.GetWindowText(), LoadResString(IDS_APP_CAPTION));
    for (int id : {IDC_BTN_UPDATE_CARD, IDOK, IDC_BTN_FORMAT_CARD})
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(dlg.m_hWnd, id)));
}

}  // namespace

namespace {

// While a worker of this run is alive, another click starts nothing: the caption only catches up.
TEST_F(UpgradeDlgTest, AClickWhileAWorkerLivesStartsNoSecondOne)
{
    PacketFixture f;
    for (int i = 0; i < 20; ++i)
        f.Add("F" + std::to_string(i) + ".BIN", 512 * 1024);
    ReportWindow reports;
    ASSERT_TRUE(BeginCopyWorker(reports.hwnd()));
    SendMessageA(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_BTN_UPDATE_CARD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dlg.m_hWnd, IDC_BTN_UPDATE_CARD)));
    EXPECT_EQ(LiveCopyWorkers(), 1);
    EXPECT_TRUE(TestApp().Boxes().empty()) << "no card check, no second start";
    EXPECT_EQ(g_strCardRoot, "T:\\") << "the running copy's card stays";
    std::string caption = dlg.GetWindowText();
    EXPECT_TRUE(caption == "Downloading file..." || caption.find("%Downloading\\F") != std::string::npos) << caption;
    reports.PumpUntilAllDone();
    ASSERT_TRUE(WaitForCopyWorkers(20000));
}

}  // namespace
