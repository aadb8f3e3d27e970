// Resource and control numbers of the executable.
#pragma once

#define IDD_ABOUT_BOX        100
#define IDD_UPGRADE_DIALOG   102
#define IDS_ABOUT_MENU       101
#define IDS_HELP_TEXT        102
#define IDS_APP_CAPTION      103
#define IDI_MAIN             32
#define IDB_BACKGROUND       129
#define IDI_EXIT             130
#define IDI_FORMAT_CARD      133
#define IDI_UPDATE_CARD      134
#define IDM_ABOUT_BOX        0x0010

#define IDC_LBL_UPDATE       1000
#define IDC_LBL_TOOLS        1002
#define IDC_HELP_TEXT        1003
#define IDC_BTN_FORMAT_CARD  1004
#define IDC_LBL_CARD_DISK    1005
#define IDC_BTN_UPDATE_CARD  1006
#define IDC_CARD_DRIVE       1008
#ifndef IDC_STATIC
#define IDC_STATIC           (-1)
#endif
