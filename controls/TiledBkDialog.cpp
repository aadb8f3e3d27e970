#include "TiledBkDialog.h"

BOOL CTiledBitmap::SetBitmap(LPCSTR lpszName)
{
    m_bitmap.DeleteObject();
    if (!lpszName)
        return TRUE;
    // A DIB section keeps the resource's own pixel format whatever the display's depth.
    HANDLE h = LoadImageA(GetModuleHandleA(nullptr), lpszName, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    if (!h)
        return FALSE;
    m_bitmap.Attach(h);
    BITMAP bm{};
    GetObjectA(h, sizeof(bm), &bm);
    m_nTileWidth = bm.bmWidth;
    m_nTileHeight = bm.bmHeight;
    return TRUE;
}

BOOL CTiledBitmap::TileBitmap(CDC* pDC, CRect rc)
{
    if (!m_bitmap.GetSafeHandle())
        return FALSE;
    CDC mem;
    mem.CreateCompatibleDC(*pDC);
    CSelectGuard select(mem, m_bitmap.GetSafeHandle());
    int width = rc.Width(), height = rc.Height();
    for (int y = 0; y < height; y += m_nTileHeight)
        for (int x = 0; x < width; x += m_nTileWidth)
            pDC->BitBlt(x, y, m_nTileWidth, m_nTileHeight, mem, 0, 0, SRCCOPY);
    return TRUE;
}

CTiledBkDialog::CTiledBkDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

LRESULT CTiledBkDialog::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_ERASEBKGND: {
        CDC dc(reinterpret_cast<HDC>(wp));
        return OnEraseBkgnd(&dc);
    }
    }
    return CDialog::WindowProc(msg, wp, lp);
}

BOOL CTiledBkDialog::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(m_hWnd, &rc);
    if (TileBitmap(pDC, rc))
        return TRUE;
    return static_cast<BOOL>(Default());
}
