#pragma once
// Template controls bound to objects: the push button (owner-drawn through DrawItem) and the
// drop-down list.
#include "Wnd.h"
#include <string>

class CButton : public CWnd {
public:
    // Paints an owner-drawn button; the parent reflects WM_DRAWITEM here.
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {}

protected:
    BOOL OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult) override;
};

class CComboBox : public CWnd {
public:
    int AddString(const std::string& text)
    {
        return static_cast<int>(::SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int SetCurSel(int index) { return static_cast<int>(::SendMessageA(m_hWnd, CB_SETCURSEL, index, 0)); }
    int GetCurSel() const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0)); }
    int GetCount() const { return static_cast<int>(::SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0)); }
    std::string GetLBText(int index) const;
};
