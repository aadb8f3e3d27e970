#include "Wnd.h"

namespace {
const char kObjectProp[] = "Tavrino.CWnd";
}

CWnd::~CWnd()
{
    // Never leave a live window calling into a destroyed object.
    if (m_oldProc)
        UnsubclassWindow();
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd ? static_cast<CWnd*>(GetPropA(hWnd, kObjectProp)) : nullptr;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!hWnd || m_hWnd || FromHandlePermanent(hWnd))
        return FALSE;
    m_hWnd = hWnd;
    PreSubclassWindow();
    SetPropA(hWnd, kObjectProp, this);
    m_oldProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CWnd::SubclassProc)));
    return TRUE;
}

HWND CWnd::UnsubclassWindow()
{
    HWND h = m_hWnd;
    if (h && m_oldProc) {
        SetWindowLongPtrA(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_oldProc));
        RemovePropA(h, kObjectProp);
    }
    m_oldProc = nullptr;
    m_hWnd = nullptr;
    return h;
}

std::string CWnd::GetWindowText() const
{
    int n = GetWindowTextLengthA(m_hWnd);
    std::string text(static_cast<size_t>(n) + 1, '\0');
    n = ::GetWindowTextA(m_hWnd, &text[0], n + 1);
    text.resize(n > 0 ? n : 0);
    return text;
}

BOOL CWnd::ModifyStyle(DWORD remove, DWORD add, UINT swpFlags)
{
    DWORD style = GetWindowLongA(m_hWnd, GWL_STYLE);
    DWORD updated = (style & ~remove) | add;
    if (style == updated)
        return FALSE;
    SetWindowLongA(m_hWnd, GWL_STYLE, updated);
    if (swpFlags)
        SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | swpFlags);
    return TRUE;
}

LRESULT CWnd::WindowProc(UINT, WPARAM, LPARAM) { return Default(); }

LRESULT CWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (m_oldProc)
        return CallWindowProcA(m_oldProc, m_hWnd, msg, wp, lp);
    return ::DefWindowProcA(m_hWnd, msg, wp, lp);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.msg, m_current.wp, m_current.lp); }

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

BOOL CWnd::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    HWND child = nullptr;
    switch (msg) {
    case WM_DRAWITEM:
        child = reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->hwndItem;
        break;
    case WM_CTLCOLORBTN:
        child = reinterpret_cast<HWND>(lp);
        break;
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(lp);
        break;
    default:
        return FALSE;
    }
    CWnd* obj = FromHandlePermanent(child);
    return obj && obj->OnChildNotify(msg, wp, lp, pResult);
}

LRESULT CWnd::Dispatch(UINT msg, WPARAM wp, LPARAM lp)
{
    CurrentMessage saved = m_current;
    m_current = {msg, wp, lp};
    LRESULT r = 0;
    // Nothing may unwind through the system's frames.
    try {
        // The child a message concerns sees it first; what it does not consume goes on.
        if (!ReflectToChild(msg, wp, lp, &r))
            r = WindowProc(msg, wp, lp);
    } catch (...) {
        r = 0;
    }
    m_current = saved;
    return r;
}

LRESULT CALLBACK CWnd::SubclassProc(HWND hWnd, UINT msg, WPARAM wp, LPARAM lp)
{
    CWnd* self = FromHandlePermanent(hWnd);
    if (!self)
        return ::DefWindowProcA(hWnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        WNDPROC old = self->m_oldProc;
        self->UnsubclassWindow();
        return CallWindowProcA(old, hWnd, msg, wp, lp);
    }
    return self->Dispatch(msg, wp, lp);
}
