#include "Gdi.h"

BOOL CGdiObject::Attach(HGDIOBJ h)
{
    DeleteObject();
    m_hObject = h;
    return h != nullptr;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_hObject = nullptr;
    return h;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    BOOL ok = ::DeleteObject(m_hObject);
    m_hObject = nullptr;
    return ok;
}

BOOL CDC::CreateCompatibleDC(HDC dc)
{
    DeleteDC();
    m_hDC = ::CreateCompatibleDC(dc);
    m_bOwned = m_hDC != nullptr;
    return m_bOwned;
}

BOOL CDC::DeleteDC()
{
    if (!m_hDC || !m_bOwned) {
        if (!m_bOwned)
            m_hDC = nullptr;
        return FALSE;
    }
    BOOL ok = ::DeleteDC(m_hDC);
    m_hDC = nullptr;
    m_bOwned = false;
    return ok;
}

void CDC::FillSolidRect(const RECT* rc, COLORREF cr)
{
    COLORREF old = ::SetBkColor(m_hDC, cr);
    ExtTextOutA(m_hDC, 0, 0, ETO_OPAQUE, rc, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, old);
}

void CDC::Draw3dRect(const RECT* rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    int x = rc->left, y = rc->top, w = rc->right - rc->left, h = rc->bottom - rc->top;
    RECT top{x, y, x + w - 1, y + 1}, left{x, y, x + 1, y + h - 1};
    RECT right{x + w - 1, y, x + w, y + h}, bottom{x, y + h - 1, x + w, y + h};
    FillSolidRect(&top, crTopLeft);
    FillSolidRect(&left, crTopLeft);
    FillSolidRect(&right, crBottomRight);
    FillSolidRect(&bottom, crBottomRight);
}
