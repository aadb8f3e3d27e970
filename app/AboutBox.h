#pragma once
#include "framework/Dialog.h"

// The About box: two text lines and OK.
class CAboutBox : public CDialog {
public:
    explicit CAboutBox(CWnd* pParent = nullptr);
    ~CAboutBox() override = default;
};
