#pragma once
// The application: runs the main dialog modally once; the program ends when it ends.
#include "framework/App.h"

class CUpgradeApp : public CWinApp {
public:
    CUpgradeApp() : CWinApp(nullptr) {}
    ~CUpgradeApp() override = default;
    BOOL InitInstance() override;
};

extern CUpgradeApp theApp;
