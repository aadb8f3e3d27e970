#pragma once
// A window object bound to one HWND: template controls are bound by subclassing, dialogs through
// their dialog procedure. Messages reach the virtual WindowProc, whose switch calls On... members
// and hands the rest to the base class; the base ends in Default().
#include <windows.h>
#include <string>

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }
    // The object bound to hWnd, if any.
    static CWnd* FromHandlePermanent(HWND hWnd);

    // Binds this object to an existing window by replacing its window procedure.
    BOOL SubclassWindow(HWND hWnd);
    HWND UnsubclassWindow();

    std::string GetWindowText() const;
    void SetWindowText(const std::string& text) { ::SetWindowTextA(m_hWnd, text.c_str()); }
    BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    void Invalidate(BOOL erase = TRUE) { InvalidateRect(m_hWnd, nullptr, erase); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
    HWND GetParent() const { return ::GetParent(m_hWnd); }
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    LONG GetStyle() const { return GetWindowLongA(m_hWnd, GWL_STYLE); }
    BOOL ModifyStyle(DWORD remove, DWORD add, UINT swpFlags = 0);

    HWND m_hWnd = nullptr;

protected:
    // Called with the window before this object subclasses it.
    virtual void PreSubclassWindow() {}
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // The window's original procedure, for subclassed controls.
    virtual LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // Default processing of the message being handled.
    virtual LRESULT Default();
    // A message the parent reflects to this child (WM_DRAWITEM, WM_CTLCOLORBTN, WM_COMMAND).
    // TRUE consumes it, with *pResult as the parent's answer.
    virtual BOOL OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult);
    // Offers a parent's message to the child it concerns; TRUE when the child consumed it.
    static BOOL ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult);
    // Offers the message to the child it concerns, then runs the virtual WindowProc, remembering
    // the message for Default().
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);

    struct CurrentMessage {
        UINT msg = 0;
        WPARAM wp = 0;
        LPARAM lp = 0;
    } m_current;

private:
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);
    WNDPROC m_oldProc = nullptr;
};
