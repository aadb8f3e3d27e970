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

// The drop-down list; the dialog talks to it with the combo-box messages.
class CComboBox : public CWnd {};
