#pragma once
// The copy worker: copies the packet tree onto g_strCardRoot, verifies each file by size and
// posts WM_COPY_PROGRESS to the dialog after each verified file and once at the end.
#include <windows.h>
#include <string>

// Thread entry; pParam is the dialog's window handle. Returns 0.
UINT __cdecl CopyWorkerProc(LPVOID pParam);
// Copies folder's content, and recursively its subfolders', onto the card. FALSE when the folder
// could not be listed (an empty folder lists fine).
BOOL CopyPacketTree(std::string folder, HWND hWnd);

// Starts CopyWorkerProc for hWnd with the arguments the update command uses, after clearing the
// started flag and any earlier stop request. FALSE when the thread could not be created.
BOOL BeginCopyWorker(HWND hWnd);
// Workers started by BeginCopyWorker that have not ended yet, late starters included.
int LiveCopyWorkers();
// Asks every worker to stop: between files, and inside the file in flight where the platform's
// copy honours its cancel flag (a cancelled file is removed by the copy). A stopped worker posts
// nothing more and touches no shared string again.
void RequestCopyStop();
// Replaces PostMessageA for the worker's reports (nullptr restores it), so that a test can see
// each report at the moment it is posted.
typedef BOOL(WINAPI* ProgressPoster)(HWND, UINT, WPARAM, LPARAM);
void SetProgressPoster(ProgressPoster poster);
// Waits up to timeoutMs for the live workers to end; TRUE when none is left.
BOOL WaitForCopyWorkers(DWORD timeoutMs);
