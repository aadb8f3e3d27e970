#pragma once
// The owner-drawn push button: an icon left of a centred caption, flat (a frame only on hover
// and press) or raised 3-D; or, in label mode, a disabled word-wrapped text label. It paints over
// a copy of its parent's background.
#include "framework/Button.h"
#include "framework/Gdi.h"

enum : DWORD { IMGBTN_OK = 0, IMGBTN_BAD_ICON = 1, IMGBTN_BAD_SLOT = 3 };

class CImageButton : public CButton {
public:
    CImageButton();
    ~CImageButton() override;

    DWORD SetIcon(UINT nIconId);
    // Takes ownership of hIcon.
    DWORD SetIcon(HICON hIcon);
    DWORD SetFlat(BOOL bFlat, BOOL bRepaint);
    // Slots 0-5: background and text colours by state; 6: the label's text colour.
    DWORD SetColor(BYTE nSlot, COLORREF cr, BOOL bRepaint);
    DWORD SetTextFont(int nHeight, BOOL bBold, BOOL bItalic, BOOL bUnderline, BOOL bRepaint);
    DWORD SetLabelMode(BOOL bLabel, BOOL bRepaint);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;
    virtual DWORD DrawFlatFrame(CDC* pDC, CRect* pRect);

    int m_nIconOffsetX = 0;  // pixels added to the icon's x position

protected:
    friend struct ImageButtonInspector;  // tests read the state below
    void PreSubclassWindow() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // A double click acts as a second press.
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    BOOL OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override;

    void OnMouseMove(UINT flags, POINT pt);
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    void HoverOff();
    void ReleaseImages();
    void DropCachedBackground();
    void Repaint() { InvalidateRect(m_hWnd, nullptr, TRUE); }

    // Painting steps, in the order a paint runs them.
    void PaintCachedBackground(CDC* pDC);
    void PaintFrame(CDC* pDC, const CRect& rcFrame);
    CRect ComputeImageRect(BOOL bHasText, const CRect& rcItem, CRect* pCaption, BOOL bPressed,
                           DWORD cx, DWORD cy) const;
    void PaintIcon(CDC* pDC, BOOL bHasText, const CRect& rcItem, CRect* pCaption, BOOL bPressed,
                   BOOL bDisabled);
    void PaintCaption(CDC* pDC, const std::string& text, CRect rcCaption);

    BOOL m_bLabelMode = FALSE;
    BOOL m_bFlat = TRUE;
    BOOL m_bHover = FALSE;
    BOOL m_bPressed = FALSE;
    BOOL m_bFocused = FALSE;
    BOOL m_bDisabled = FALSE;
    BOOL m_bDefault = FALSE;
    BOOL m_bShowFrame = TRUE;
    COLORREF m_crSlot[7];
    CFont m_fontText;
    CDC m_dcBack;
    CBitmap m_bmpBack;
    HBITMAP m_hbmpBackOld = nullptr;
    HICON m_hIconImage = nullptr;
    DWORD m_cxIcon = 0;
    DWORD m_cyIcon = 0;
};
