#pragma once
// Worker threads: a self-deleting thread object, started with AfxBeginThread.
#include <windows.h>

typedef UINT(__cdecl* AFX_THREADPROC)(LPVOID);

class CWinThread {
public:
    HANDLE m_hThread = nullptr;
    DWORD m_nThreadID = 0;
    BOOL m_bAutoDelete = TRUE;  // the object deletes itself when its thread ends

private:
    friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
    friend unsigned __stdcall ThreadEntry(void*);
    AFX_THREADPROC m_pfn = nullptr;
    LPVOID m_pParam = nullptr;
};

// Starts pfn(pParam) on a new thread; nullptr when the thread cannot be created.
CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
