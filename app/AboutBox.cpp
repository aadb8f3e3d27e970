#include "AboutBox.h"
#include "res/resource.h"

CAboutBox::CAboutBox(CWnd* pParent) : CDialog(IDD_ABOUT_BOX, pParent) {}
