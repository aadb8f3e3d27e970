#include "Thread.h"
#include <process.h>

unsigned __stdcall ThreadEntry(void* p)
{
    CWinThread* t = static_cast<CWinThread*>(p);
    UINT code = 0;
    // Nothing may unwind out of the thread function into the run-time's frames.
    try {
        code = t->m_pfn(t->m_pParam);
    } catch (...) {
        code = static_cast<UINT>(-1);
    }
    if (t->m_bAutoDelete) {
        CloseHandle(t->m_hThread);
        delete t;
    }
    return code;
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfn, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* t = new CWinThread;
    t->m_pfn = pfn;
    t->m_pParam = pParam;
    unsigned id = 0;
    // Start suspended so the object is complete before the thread can delete it.
    uintptr_t h = _beginthreadex(lpSecurityAttrs, nStackSize, ThreadEntry, t, CREATE_SUSPENDED, &id);
    if (h == 0) {
        delete t;
        return nullptr;
    }
    t->m_hThread = reinterpret_cast<HANDLE>(h);
    t->m_nThreadID = id;
    SetThreadPriority(t->m_hThread, nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ResumeThread(t->m_hThread);
    return t;
}
