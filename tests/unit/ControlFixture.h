#pragma once
// A modeless dialog on the main template whose buttons are image buttons that tests can look into.
#include "controls/ImageButton.h"
#include "controls/TiledBkDialog.h"
#include "res/resource.h"
#include <gtest/gtest.h>
#include <vector>

class ProbeButton : public CImageButton {
public:
    using CImageButton::m_bDefault;
    using CImageButton::m_bFlat;
    using CImageButton::m_bHover;
    using CImageButton::m_bLabelMode;
    using CImageButton::m_bShowFrame;
    using CImageButton::m_crSlot;
    using CImageButton::m_cxIcon;
    using CImageButton::m_cyIcon;
    using CImageButton::m_dcBack;
    using CImageButton::m_hIconImage;
};

class CTestDlg : public CTiledBkDialog {
public:
    CTestDlg() : CTiledBkDialog(IDD_UPGRADE_DIALOG, nullptr) {}
    ProbeButton exitBtn, updateBtn, formatBtn, helpLbl;
    CComboBox drives;
    struct Click {
        int id;
        HWND focus;  // the focus when the dialog's own handler ran
    };
    std::vector<Click> clicks;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Control(pDX, IDC_HELP_TEXT, helpLbl);
        DDX_Control(pDX, IDOK, exitBtn);
        DDX_Control(pDX, IDC_BTN_UPDATE_CARD, updateBtn);
        DDX_Control(pDX, IDC_BTN_FORMAT_CARD, formatBtn);
        DDX_Control(pDX, IDC_CARD_DRIVE, drives);
    }
    BOOL OnInitDialog() override
    {
        CTiledBkDialog::OnInitDialog();
        SetBitmap(MAKEINTRESOURCEA(IDB_BACKGROUND));
        return TRUE;
    }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override
    {
        if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) {
            LRESULT r = CTiledBkDialog::WindowProc(msg, wp, lp);
            clicks.push_back({LOWORD(wp), GetFocus()});
            return r;
        }
        return CTiledBkDialog::WindowProc(msg, wp, lp);
    }
    void OnOK() override {}
    void OnCancel() override {}
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dlg.Create());
        SetWindowPos(dlg.m_hWnd, HWND_TOP, 50, 50, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
        SetForegroundWindow(dlg.m_hWnd);
        UpdateWindow(dlg.m_hWnd);
    }
    void TearDown() override { DestroyWindow(dlg.m_hWnd); }
    static bool HasUpdate(HWND h)
    {
        RECT r;
        return GetUpdateRect(h, &r, FALSE) != 0;
    }
    CTestDlg dlg;
};
