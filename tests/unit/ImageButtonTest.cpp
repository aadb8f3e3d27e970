#include "ControlFixture.h"
#include <commctrl.h>

namespace {

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

HWND TrackedLeaveWindow()
{
    TRACKMOUSEEVENT q{sizeof(q), TME_QUERY, nullptr, 0};
    _TrackMouseEvent(&q);
    return (q.dwFlags & TME_LEAVE) ? q.hwndTrack : nullptr;
}

TEST_F(DialogTest, HoverStartsOnceAndEndsOnLeave)
{
    HWND b = dlg.updateBtn.m_hWnd;
    POINT screen{5, 5};
    ClientToScreen(b, &screen);
    SetCursorPos(screen.x, screen.y);  // the leave tracking looks at the real pointer
    ValidateRect(b, nullptr);
    SendMessageA(b, WM_MOUSEMOVE, 0, Point(5, 5));
    EXPECT_TRUE(dlg.updateBtn.m_bHover);
    EXPECT_TRUE(HasUpdate(b));
    EXPECT_EQ(TrackedLeaveWindow(), b);

    ValidateRect(b, nullptr);
    SendMessageA(b, WM_MOUSEMOVE, 0, Point(6, 6));
    EXPECT_FALSE(HasUpdate(b)) << "a further move over the button repaints nothing";

    SendMessageA(b, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(dlg.updateBtn.m_bHover);
    EXPECT_TRUE(HasUpdate(b));
}

TEST_F(DialogTest, HoverEndsWhenThePointerIsOverAnotherWindowOrTheButtonIsDisabled)
{
    HWND b = dlg.updateBtn.m_hWnd;
    SendMessageA(b, WM_MOUSEMOVE, 0, Point(5, 5));
    ASSERT_TRUE(dlg.updateBtn.m_bHover);
    SendMessageA(b, WM_MOUSEMOVE, 0, Point(-3, -3));  // over the dialog
    EXPECT_FALSE(dlg.updateBtn.m_bHover);

    SendMessageA(b, WM_MOUSEMOVE, 0, Point(5, 5));
    ASSERT_TRUE(dlg.updateBtn.m_bHover);
    SendMessageA(b, WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(dlg.updateBtn.m_bHover);
}

TEST_F(DialogTest, NoHoverWhileDraggingNorOnTheRaisedButton)
{
    SendMessageA(dlg.updateBtn.m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, Point(5, 5));
    EXPECT_FALSE(dlg.updateBtn.m_bHover);
    dlg.formatBtn.SetFlat(FALSE, FALSE);
    SendMessageA(dlg.formatBtn.m_hWnd, WM_MOUSEMOVE, 0, Point(5, 5));
    EXPECT_FALSE(dlg.formatBtn.m_bHover);
}

TEST_F(DialogTest, DefaultButtonProtocolKeepsTheButtonOwnerDrawn)
{
    auto code = [](HWND h) { return SendMessageA(h, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON); };
    auto type = [](HWND h) { return GetWindowLongA(h, GWL_STYLE) & 0x1F; };
    // The template's BS_DEFPUSHBUTTON makes Exit the default from the start.
    EXPECT_EQ(code(dlg.exitBtn.m_hWnd), DLGC_DEFPUSHBUTTON);
    HWND b = dlg.updateBtn.m_hWnd;
    EXPECT_EQ(code(b), DLGC_UNDEFPUSHBUTTON);
    EXPECT_EQ(type(b), BS_OWNERDRAW);

    struct Step {
        WPARAM style;
        LRESULT expected;
    };
    const Step steps[] = {
        {BS_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON},
        {BS_CHECKBOX, DLGC_DEFPUSHBUTTON},  // another type leaves the answer alone
        {BS_PUSHBUTTON | WS_TABSTOP, DLGC_UNDEFPUSHBUTTON},
        {BS_AUTORADIOBUTTON, DLGC_UNDEFPUSHBUTTON},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.style);
        SendMessageA(b, BM_SETSTYLE, s.style, TRUE);
        EXPECT_EQ(code(b), s.expected);
        EXPECT_EQ(type(b), BS_OWNERDRAW);
    }
}

TEST_F(DialogTest, DoubleClickIsASecondClickAndAClickTakesTheFocusFirst)
{
    HWND b = dlg.updateBtn.m_hWnd;
    SetFocus(dlg.formatBtn.m_hWnd);
    SendMessageA(b, WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    SendMessageA(b, WM_LBUTTONUP, 0, Point(5, 5));
    SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, Point(5, 5));
    SendMessageA(b, WM_LBUTTONUP, 0, Point(5, 5));
    ASSERT_EQ(dlg.clicks.size(), 2u);
    for (const auto& c : dlg.clicks) {
        EXPECT_EQ(c.id, IDC_BTN_UPDATE_CARD);
        EXPECT_EQ(c.focus, b);
    }
    EXPECT_EQ(SendMessageA(b, BM_SETCHECK, BST_CHECKED, 0), 0);
    EXPECT_EQ(SendMessageA(b, BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(DialogTest, DisablingMovesTheFocusToTheNextTabStopAndEndsHover)
{
    SetFocus(dlg.formatBtn.m_hWnd);  // the disabled button need not have the focus
    SendMessageA(dlg.updateBtn.m_hWnd, WM_MOUSEMOVE, 0, Point(5, 5));
    ASSERT_TRUE(dlg.updateBtn.m_bHover);
    dlg.updateBtn.EnableWindow(FALSE);
    EXPECT_EQ(GetFocus(), GetNextDlgTabItem(dlg.m_hWnd, dlg.updateBtn.m_hWnd, FALSE));
    EXPECT_EQ(GetFocus(), dlg.drives.m_hWnd);
    EXPECT_FALSE(dlg.updateBtn.m_bHover);
}

TEST_F(DialogTest, SettingOperationsAndTheirResults)
{
    ProbeButton& b = dlg.updateBtn;
    struct SlotCase {
        BYTE slot;
        DWORD result;
    };
    for (const SlotCase& c : {SlotCase{6, IMGBTN_OK}, SlotCase{7, IMGBTN_BAD_SLOT}, SlotCase{255, IMGBTN_BAD_SLOT}}) {
        SCOPED_TRACE(static_cast<int>(c.slot));
        COLORREF before[7];
        std::copy(b.m_crSlot, b.m_crSlot + 7, before);
        EXPECT_EQ(b.SetColor(c.slot, RGB(1, 2, 3), FALSE), c.result);
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(b.m_crSlot[i], i == c.slot ? RGB(1, 2, 3) : before[i]);
    }

    EXPECT_EQ(b.SetIcon(static_cast<UINT>(IDI_UPDATE_CARD)), IMGBTN_OK);
    EXPECT_NE(b.m_hIconImage, nullptr);
    EXPECT_EQ(b.m_cxIcon, 32u);
    EXPECT_EQ(b.m_cyIcon, 32u);
    EXPECT_EQ(b.SetIcon(static_cast<UINT>(4321)), IMGBTN_OK) << "a missing icon is no error";
    EXPECT_EQ(b.m_hIconImage, nullptr);
    ValidateRect(b.m_hWnd, nullptr);
    EXPECT_EQ(b.SetIcon(reinterpret_cast<HICON>(static_cast<INT_PTR>(0x7654))), IMGBTN_BAD_ICON);
    EXPECT_EQ(b.m_hIconImage, nullptr);
    EXPECT_EQ(b.m_cxIcon, 0u);
    EXPECT_FALSE(HasUpdate(b.m_hWnd));
}

TEST_F(DialogTest, LabelModeDisablesDropsTheFrameAndResetsTheLabelColour)
{
    ProbeButton& l = dlg.helpLbl;
    l.SetColor(6, RGB(96, 0, 28), FALSE);
    EXPECT_EQ(l.SetLabelMode(TRUE, FALSE), IMGBTN_OK);
    EXPECT_EQ(l.m_crSlot[6], RGB(0, 0, 0));
    EXPECT_FALSE(l.IsWindowEnabled());
    EXPECT_FALSE(l.m_bShowFrame);
    SendMessageA(l.m_hWnd, WM_MOUSEMOVE, 0, Point(5, 5));
    EXPECT_FALSE(l.m_bHover);
    l.SetColor(6, RGB(96, 0, 28), TRUE);
    EXPECT_EQ(l.m_crSlot[6], RGB(96, 0, 28));
}

TEST_F(DialogTest, ButtonsAskForTheHollowBrush)
{
    HDC dc = GetDC(dlg.m_hWnd);
    LRESULT brush = SendMessageA(dlg.m_hWnd, WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(dlg.updateBtn.m_hWnd));
    ReleaseDC(dlg.m_hWnd, dc);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(NULL_BRUSH));
}

}  // namespace
