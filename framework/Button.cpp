#include "Button.h"

BOOL CButton::OnChildNotify(UINT msg, WPARAM wp, LPARAM lp, LRESULT* pResult)
{
    if (msg != WM_DRAWITEM)
        return FALSE;
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lp));
    *pResult = TRUE;
    return TRUE;
}

std::string CComboBox::GetLBText(int index) const
{
    LRESULT n = ::SendMessageA(m_hWnd, CB_GETLBTEXTLEN, index, 0);
    if (n == CB_ERR)
        return std::string();
    std::string text(static_cast<size_t>(n) + 1, '\0');
    n = ::SendMessageA(m_hWnd, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(n > 0 ? static_cast<size_t>(n) : 0);
    return text;
}
