#pragma once
// GDI wrappers: each object owns what it creates and releases it; every SelectObject is undone
// by the scope that made it.
#include <windows.h>
#include <string>

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
    void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
    void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
    bool operator==(const CRect& o) const
    {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// An owned GDI object (bitmap, font, pen, brush), deleted with the wrapper.
class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject() { DeleteObject(); }
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    BOOL Attach(HGDIOBJ h);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    BOOL CreateCompatibleBitmap(HDC dc, int w, int h) { return Attach(::CreateCompatibleBitmap(dc, w, h)); }
};

class CFont : public CGdiObject {
public:
    operator HFONT() const { return static_cast<HFONT>(m_hObject); }
};

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int style, int width, COLORREF cr) { Attach(CreatePen(style, width, cr)); }
    operator HPEN() const { return static_cast<HPEN>(m_hObject); }
};

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) { Attach(CreateSolidBrush(cr)); }
    operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }
};

// Selects an object into a DC for one scope and puts the old one back.
class CSelectGuard {
public:
    CSelectGuard(HDC dc, HGDIOBJ obj) : m_dc(dc), m_old(obj ? SelectObject(dc, obj) : nullptr) {}
    ~CSelectGuard()
    {
        if (m_old)
            SelectObject(m_dc, m_old);
    }
    CSelectGuard(const CSelectGuard&) = delete;
    CSelectGuard& operator=(const CSelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// A device context. Attach borrows one (the caller keeps ownership); CreateCompatibleDC makes an
// owned memory DC that the destructor deletes.
class CDC {
public:
    CDC() = default;
    explicit CDC(HDC borrowed) : m_hDC(borrowed) {}
    virtual ~CDC() { DeleteDC(); }
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    void Attach(HDC dc)
    {
        DeleteDC();
        m_hDC = dc;
        m_bOwned = false;
    }
    HDC Detach()
    {
        HDC h = m_hDC;
        m_hDC = nullptr;
        m_bOwned = false;
        return h;
    }
    BOOL CreateCompatibleDC(HDC dc);
    BOOL DeleteDC();

    HGDIOBJ SelectObject(HGDIOBJ obj) { return obj ? ::SelectObject(m_hDC, obj) : nullptr; }
    HGDIOBJ SelectObject(const CGdiObject* obj) { return obj ? SelectObject(obj->m_hObject) : nullptr; }
    BOOL BitBlt(int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop)
    {
        return ::BitBlt(m_hDC, x, y, w, h, src, sx, sy, rop);
    }
    void FrameRect(const RECT* rc, HBRUSH brush) { ::FrameRect(m_hDC, rc, brush); }
    void FillSolidRect(const RECT* rc, COLORREF cr);
    // Top row and left column in crTopLeft, right column and bottom row in crBottomRight.
    void Draw3dRect(const RECT* rc, COLORREF crTopLeft, COLORREF crBottomRight);
    void MoveTo(int x, int y) { MoveToEx(m_hDC, x, y, nullptr); }
    void LineTo(int x, int y) { ::LineTo(m_hDC, x, y); }
    int DrawText(const std::string& text, RECT* rc, UINT format)
    {
        return ::DrawTextA(m_hDC, text.c_str(), static_cast<int>(text.size()), rc, format);
    }
    COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    COLORREF SetBkColor(COLORREF cr) { return ::SetBkColor(m_hDC, cr); }
    int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
    void DrawFocusRect(const RECT* rc) { ::DrawFocusRect(m_hDC, rc); }

    HDC m_hDC = nullptr;

protected:
    bool m_bOwned = false;
};

// The client area of a window, released with the object.
class CClientDC : public CDC {
public:
    explicit CClientDC(HWND wnd) : m_wnd(wnd) { m_hDC = GetDC(wnd); }
    ~CClientDC() override
    {
        if (m_hDC)
            ReleaseDC(m_wnd, m_hDC);
        m_hDC = nullptr;
    }

private:
    HWND m_wnd;
};

// BeginPaint / EndPaint for one WM_PAINT.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(HWND wnd) : m_wnd(wnd) { m_hDC = BeginPaint(wnd, &m_ps); }
    ~CPaintDC() override
    {
        EndPaint(m_wnd, &m_ps);
        m_hDC = nullptr;
    }
    PAINTSTRUCT m_ps{};

private:
    HWND m_wnd;
};
