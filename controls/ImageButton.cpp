#include "ImageButton.h"
#include <commctrl.h>

CImageButton::CImageButton()
{
    COLORREF face = GetSysColor(COLOR_BTNFACE), text = GetSysColor(COLOR_BTNTEXT);
    for (int i = 0; i < 6; i += 2) {
        m_crSlot[i] = face;
        m_crSlot[i + 1] = text;
    }
    m_crSlot[6] = RGB(0, 0, 0);
}

CImageButton::~CImageButton()
{
    DropCachedBackground();
    ReleaseImages();
}

DWORD CImageButton::SetIcon(UINT nIconId)
{
    HICON icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(nIconId), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR));
    return SetIcon(icon);
}

DWORD CImageButton::SetIcon(HICON hIcon)
{
    ReleaseImages();
    if (hIcon) {
        m_hIconImage = hIcon;
        ICONINFO info{};
        if (!GetIconInfo(hIcon, &info)) {
            ReleaseImages();
            return IMGBTN_BAD_ICON;
        }
        // The hotspot of an icon sits at its centre.
        m_cxIcon = info.xHotspot * 2;
        m_cyIcon = info.yHotspot * 2;
        if (info.hbmMask)
            DeleteObject(info.hbmMask);
        if (info.hbmColor)
            DeleteObject(info.hbmColor);
    }
    Repaint();
    return IMGBTN_OK;
}

DWORD CImageButton::SetFlat(BOOL bFlat, BOOL bRepaint)
{
    m_bFlat = bFlat;
    if (bRepaint)
        Repaint();
    return IMGBTN_OK;
}

DWORD CImageButton::SetColor(BYTE nSlot, COLORREF cr, BOOL bRepaint)
{
    if (nSlot > 6)
        return IMGBTN_BAD_SLOT;
    m_crSlot[nSlot] = cr;
    if (bRepaint)
        Repaint();
    return IMGBTN_OK;
}

DWORD CImageButton::SetTextFont(int nHeight, BOOL bBold, BOOL bItalic, BOOL bUnderline, BOOL bRepaint)
{
    m_fontText.Attach(CreateFontA(nHeight, 0, 0, 0, bBold * 600, static_cast<BYTE>(bItalic),
                                  static_cast<BYTE>(bUnderline), 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, "Arial"));
    if (bRepaint)
        Repaint();
    return IMGBTN_OK;
}

DWORD CImageButton::SetLabelMode(BOOL bLabel, BOOL bRepaint)
{
    m_bLabelMode = bLabel;
    if (bLabel) {
        DropCachedBackground();
        Repaint();
        m_bShowFrame = FALSE;
        EnableWindow(FALSE);
        m_crSlot[6] = RGB(0, 0, 0);
        Repaint();
    }
    if (bRepaint)
        Repaint();
    return IMGBTN_OK;
}

void CImageButton::ReleaseImages()
{
    if (m_hIconImage)
        DestroyIcon(m_hIconImage);
    m_hIconImage = nullptr;
    m_cxIcon = 0;
    m_cyIcon = 0;
}

void CImageButton::DropCachedBackground()
{
    if (m_dcBack.GetSafeHdc() && m_hbmpBackOld)
        SelectObject(m_dcBack, m_hbmpBackOld);
    m_hbmpBackOld = nullptr;
    m_bmpBack.DeleteObject();
    m_dcBack.DeleteDC();
}

void CImageButton::PreSubclassWindow()
{
    LONG style = GetStyle();
    if ((style & 0x1F) == BS_DEFPUSHBUTTON)
        m_bDefault = TRUE;
    ModifyStyle(0x1F, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

LRESULT CImageButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_MOUSEMOVE:
        OnMouseMove(static_cast<UINT>(wp), POINT{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
        return 0;
    case WM_MOUSELEAVE:
        HoverOff();
        return 0;
    case WM_KILLFOCUS:
    case WM_CANCELMODE: {
        LRESULT r = Default();
        HoverOff();
        return r;
    }
    case WM_ACTIVATE: {
        LRESULT r = Default();
        if (LOWORD(wp) == WA_INACTIVE)
            HoverOff();
        return r;
    }
    case WM_ENABLE: {
        LRESULT r = Default();
        if (!wp) {
            HWND parent = GetParent();
            HWND next = GetNextDlgTabItem(parent, m_hWnd, FALSE);
            ::SetFocus(next ? next : parent);
            HoverOff();
        }
        return r;
    }
    case WM_GETDLGCODE:
        return Default() | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE:
        return OnSetStyle(wp, lp);
    case BM_SETCHECK:
    case BM_GETCHECK:
        return 0;
    case WM_SYSCOLORCHANGE: {
        LRESULT r = Default();
        DropCachedBackground();  // the next paint captures the background again
        return r;
    }
    }
    return CButton::WindowProc(msg, wp, lp);
}

LRESULT CImageButton::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_LBUTTONDBLCLK)
        msg = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(msg, wp, lp);
}

BOOL CImageButton::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    switch (msg) {
    case WM_CTLCOLORBTN:
        *pResult = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return TRUE;
    case WM_COMMAND:
        // The click takes the focus; the parent's own handler runs after this one.
        if (HIWORD(wp) == BN_CLICKED && !m_bLabelMode)
            SetFocus();
        return FALSE;
    }
    return CButton::OnChildNotify(msg, wp, lp, pResult);
}

void CImageButton::OnMouseMove(UINT flags, POINT pt)
{
    if (m_bLabelMode)
        return;
    Default();
    ClientToScreen(m_hWnd, &pt);
    HWND under = WindowFromPoint(pt);
    if ((flags & MK_LBUTTON) && !m_bHover)
        return;  // dragging onto the button with the button held does not hover
    if (!m_bFlat)
        return;
    if (under == m_hWnd) {
        if (!m_bHover) {
            m_bHover = TRUE;
            Repaint();
            TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWnd, 0};
            _TrackMouseEvent(&tme);
        }
    } else {
        HoverOff();
    }
}

LRESULT CImageButton::OnSetStyle(WPARAM style, LPARAM redraw)
{
    switch (style & 0x1F) {
    case BS_DEFPUSHBUTTON: m_bDefault = TRUE; break;
    case BS_PUSHBUTTON: m_bDefault = FALSE; break;
    }
    // The dialog manager moves the default between buttons; this one stays owner-drawn.
    return DefWindowProc(BM_SETSTYLE, (style & ~static_cast<WPARAM>(0x14)) | BS_OWNERDRAW, redraw);
}

void CImageButton::HoverOff()
{
    if (m_bFlat && m_bHover) {
        m_bHover = FALSE;
        Repaint();
    }
}

void CImageButton::DrawItem(LPDRAWITEMSTRUCT dis)
{
    m_bPressed = (dis->itemState & ODS_SELECTED) != 0;
    m_bFocused = (dis->itemState & ODS_FOCUS) != 0;
    m_bDisabled = (dis->itemState & ODS_DISABLED) != 0;
    CDC dc(dis->hDC);
    CRect rcItem(dis->rcItem);
    CRect rcFrame = rcItem;
    dc.SetBkMode(TRANSPARENT);
    if (!m_bFlat && (m_bFocused || m_bDefault)) {
        dc.FrameRect(&rcFrame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        rcFrame.DeflateRect(1, 1);
    }
    PaintCachedBackground(&dc);
    PaintFrame(&dc, rcFrame);

    std::string text = GetWindowText();
    CRect rcCaption = rcItem;
    if (m_hIconImage)
        PaintIcon(&dc, !text.empty(), rcItem, &rcCaption, m_bPressed, m_bDisabled);
    if (!text.empty())
        PaintCaption(&dc, text, rcCaption);
    if (!m_bFlat && m_bFocused) {
        CRect rcFocus = rcFrame;
        rcFocus.DeflateRect(3, 3);
        dc.DrawFocusRect(&rcFocus);
    }
}

DWORD CImageButton::DrawFlatFrame(CDC* pDC, CRect* pRect)
{
    if (m_bPressed)
        pDC->Draw3dRect(pRect, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
    else
        pDC->Draw3dRect(pRect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
    return IMGBTN_OK;
}

void CImageButton::PaintCachedBackground(CDC* pDC)
{
    HWND parent = GetParent();
    CClientDC parentDC(parent);
    CRect client, window;
    GetClientRect(m_hWnd, &client);
    GetWindowRect(m_hWnd, &window);
    POINT origin{window.left, window.top};
    ScreenToClient(parent, &origin);
    int w = client.Width(), h = client.Height();
    if (!m_dcBack.GetSafeHdc()) {
        m_dcBack.CreateCompatibleDC(parentDC);
        m_bmpBack.CreateCompatibleBitmap(parentDC, w, h);
        m_hbmpBackOld = static_cast<HBITMAP>(m_dcBack.SelectObject(&m_bmpBack));
        m_dcBack.BitBlt(0, 0, w, h, parentDC, origin.x, origin.y, SRCCOPY);
    }
    pDC->BitBlt(0, 0, w, h, m_dcBack, 0, 0, SRCCOPY);
}

void CImageButton::PaintFrame(CDC* pDC, const CRect& rcFrame)
{
    CRect rc = rcFrame;
    if (m_bPressed) {
        if (m_bFlat) {
            if (m_bShowFrame)
                DrawFlatFrame(pDC, &rc);
        } else {
            CBrush shadow(GetSysColor(COLOR_BTNSHADOW));
            pDC->FrameRect(&rc, shadow);
        }
        return;
    }
    if (m_bFlat) {
        if (m_bHover && m_bShowFrame)
            DrawFlatFrame(pDC, &rc);
        return;
    }
    const int L = rc.left, T = rc.top, R = rc.right, B = rc.bottom;
    struct Line {
        int color;
        POINT from, mid, to;
    };
    const Line lines[] = {
        {COLOR_BTNHIGHLIGHT, {L, B - 1}, {L, T}, {R, T}},
        {COLOR_3DLIGHT, {L + 1, B - 1}, {L + 1, T + 1}, {R, T + 1}},
        {COLOR_3DDKSHADOW, {L, B - 1}, {R - 1, B - 1}, {R - 1, T - 1}},
        {COLOR_BTNSHADOW, {L + 1, B - 2}, {R - 2, B - 2}, {R - 2, T}},
    };
    for (const Line& line : lines) {
        CPen pen(PS_SOLID, 0, GetSysColor(line.color));
        CSelectGuard select(*pDC, pen.GetSafeHandle());
        pDC->MoveTo(line.from.x, line.from.y);
        pDC->LineTo(line.mid.x, line.mid.y);
        pDC->LineTo(line.to.x, line.to.y);
    }
}

CRect CImageButton::ComputeImageRect(BOOL bHasText, const CRect& rcItem, CRect* pCaption, BOOL bPressed,
                                     DWORD cx, DWORD cy) const
{
    CRect rcIcon = rcItem;
    if (bHasText) {
        rcIcon.left += 3;
        pCaption->left += static_cast<int>(cx) + 3;
    } else {
        rcIcon.left += (rcIcon.Width() - static_cast<int>(cx)) / 2;
    }
    rcIcon.top += (rcIcon.Height() - static_cast<int>(cy)) / 2;
    if (bPressed)
        rcIcon.OffsetRect(1, 1);
    return rcIcon;
}

void CImageButton::PaintIcon(CDC* pDC, BOOL bHasText, const CRect& rcItem, CRect* pCaption, BOOL bPressed,
                             BOOL bDisabled)
{
    CRect rcIcon = ComputeImageRect(bHasText, rcItem, pCaption, bPressed, m_cxIcon, m_cyIcon);
    int x = rcIcon.left + m_nIconOffsetX, y = rcIcon.top;
    DrawStateA(*pDC, nullptr, nullptr, reinterpret_cast<LPARAM>(m_hIconImage), 0, x, y, rcIcon.right - x,
               rcIcon.bottom - y, DST_ICON | (bDisabled ? DSS_DISABLED : 0));
}

void CImageButton::PaintCaption(CDC* pDC, const std::string& text, CRect rcCaption)
{
    if (m_bPressed)
        rcCaption.OffsetRect(1, 1);
    CRect rcRef = rcCaption;
    CSelectGuard font(*pDC, m_fontText.GetSafeHandle());
    if (m_bLabelMode)
        pDC->DrawText(text, &rcCaption, DT_WORDBREAK);
    else
        pDC->DrawText(text, &rcCaption, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    rcCaption.OffsetRect((rcRef.Width() - rcCaption.Width()) / 2, (rcRef.Height() - rcCaption.Height()) / 2);
    pDC->SetBkMode(TRANSPARENT);
    UINT format = DT_WORDBREAK | DT_CENTER;
    if (m_bLabelMode) {
        pDC->SetTextColor(m_crSlot[6]);
        format = DT_WORDBREAK;
    } else if (m_bDisabled) {
        rcCaption.OffsetRect(1, 1);
        pDC->SetTextColor(GetSysColor(COLOR_BTNHIGHLIGHT));
        pDC->DrawText(text, &rcCaption, DT_WORDBREAK | DT_CENTER);
        rcCaption.OffsetRect(-1, -1);
        pDC->SetTextColor(GetSysColor(COLOR_BTNSHADOW));
    } else if (m_bHover || m_bPressed) {
        pDC->SetTextColor(m_crSlot[1]);
        pDC->SetBkColor(m_crSlot[0]);
    } else {
        pDC->SetTextColor(m_crSlot[3]);
        pDC->SetBkColor(m_crSlot[2]);
    }
    pDC->DrawText(text, &rcCaption, format);
}
