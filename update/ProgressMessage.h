#pragma once
// The copy worker's one report to the main dialog.
#include <windows.h>

// wParam: PROGRESS_FILE_DONE or PROGRESS_ALL_DONE; lParam: 0. Carries no data: the handler
// reads g_fPercent and the current target when it runs.
const UINT WM_COPY_PROGRESS = WM_APP + 3;
const WPARAM PROGRESS_FILE_DONE = 1;
const WPARAM PROGRESS_ALL_DONE = 2;
