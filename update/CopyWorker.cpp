#include "CopyWorker.h"
#include "PacketWalk.h"
#include "ProgressMessage.h"
#include "UpdateState.h"
#include "framework/App.h"
#include "framework/Text.h"
#include "framework/Thread.h"
#include <atomic>

namespace {
// A BOOL-sized flag: CopyFileExA reads it through its cancel pointer while it copies.
volatile LONG s_nStop = 0;
std::atomic<int> s_nLiveWorkers{0};
std::atomic<ProgressPoster> s_post{&PostMessageA};

void PostProgress(HWND hWnd, WPARAM code) { s_post.load()(hWnd, WM_COPY_PROGRESS, code, 0); }

bool Stopping() { return InterlockedCompareExchange(&s_nStop, 0, 0) != 0; }

void ReportFailure(const std::string& target)
{
    if (!Stopping())
        AfxMessageBox(target + "Download failed!", MB_OK);
}

void ClearTargetAttributes(const std::string& target)
{
    CFile file;
    if (!file.Open(target.c_str(), CFile::modeRead))
        return;  // not there yet, or held by another process: the copy is tried anyway
    CFileStatus status;
    BOOL haveStatus = file.GetStatus(status);
    file.Close();
    if (haveStatus) {
        status.m_attribute = 0;
        CFile::SetStatus(target.c_str(), status);
    }
}

// Windows' copy gives the target the source's attributes; Wine's does not, so make sure of it.
void TakeSourceAttributes(const std::string& source, const std::string& target)
{
    DWORD src = GetFileAttributesA(source.c_str());
    DWORD dst = GetFileAttributesA(target.c_str());
    if (src != INVALID_FILE_ATTRIBUTES && dst != INVALID_FILE_ATTRIBUTES && src != dst)
        SetFileAttributesA(target.c_str(), src);
}

// Compares source and target sizes and hands back the source's. A query that fails is a failed
// verification, never an equal size.
BOOL VerifySize(const std::string& source, const std::string& target, ULONGLONG& size)
{
    CFileStatus src, dst;
    if (!CFile::GetStatus(source.c_str(), src) || !CFile::GetStatus(target.c_str(), dst))
        return FALSE;
    size = src.m_size;
    return src.m_size == dst.m_size;
}

void CopyOneFile(const std::string& source, HWND hWnd)
{
    std::string target = FileTargetOf(source);
    SetCurrentTarget(CurrentTargetOf(target));
    ClearTargetAttributes(target);
    BOOL copied = CopyFileExA(source.c_str(), target.c_str(), nullptr, nullptr,
                              reinterpret_cast<LPBOOL>(const_cast<LONG*>(&s_nStop)), 0);
    if (Stopping())
        return;
    if (copied)
        TakeSourceAttributes(source, target);
    ULONGLONG size = 0;
    if (!copied || !VerifySize(source, target, size)) {
        ReportFailure(target);
        return;
    }
    uint32_t copiedBytes = g_nCopiedBytes += static_cast<uint32_t>(size);
    uint32_t total = g_nTotalBytes;
    // An all-empty packet totals 0: its files are all the work there is.
    double percent = total ? static_cast<double>(copiedBytes) / static_cast<double>(total) * 100.0 : 100.0;
    g_fPercent = static_cast<float>(percent);
    PostProgress(hWnd, PROGRESS_FILE_DONE);
}
}  // namespace

BOOL CopyPacketTree(std::string folder, HWND hWnd)
{
    WalkResult result = WalkFolder(std::move(folder), [hWnd](const CFileFind& entry) {
        if (Stopping())
            return false;
        std::string path = entry.GetFilePath();
        if (entry.IsDirectory()) {
            std::string target = FolderTargetOf(path);
            CreateDirectoryA(target.c_str(), nullptr);
            if (!CopyPacketTree(path, hWnd))
                ReportFailure(target);
        } else if (MakeUpperAnsi(path) != g_strSelfPathUpper) {
            CopyOneFile(path, hWnd);
        }
        return true;
    });
    return result != WalkResult::Unlistable;
}

UINT __cdecl CopyWorkerProc(LPVOID pParam)
{
    HWND hWnd = static_cast<HWND>(pParam);
    g_bWorkerStarted = TRUE;
    Sleep(100);
    g_nCopiedBytes = 0;
    if (!Stopping())
        CopyPacketTree(g_strPacketDir, hWnd);
    if (!Stopping())
        PostProgress(hWnd, PROGRESS_ALL_DONE);
    --s_nLiveWorkers;  // last touch of shared state
    return 0;
}

BOOL BeginCopyWorker(HWND hWnd)
{
    InterlockedExchange(&s_nStop, 0);
    // Cleared before each start, so the caller's check after its wait means this worker.
    g_bWorkerStarted = FALSE;
    SetCurrentTarget("");
    ++s_nLiveWorkers;
    if (!AfxBeginThread(CopyWorkerProc, hWnd, THREAD_PRIORITY_NORMAL, 0, 0, nullptr)) {
        --s_nLiveWorkers;
        return FALSE;
    }
    return TRUE;
}

void SetProgressPoster(ProgressPoster poster) { s_post = poster ? poster : &PostMessageA; }

int LiveCopyWorkers() { return s_nLiveWorkers; }

void RequestCopyStop() { InterlockedExchange(&s_nStop, 1); }

BOOL WaitForCopyWorkers(DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    while (s_nLiveWorkers > 0) {
        if (timeoutMs != INFINITE && GetTickCount() - start >= timeoutMs)
            return FALSE;
        Sleep(10);
    }
    return TRUE;
}
