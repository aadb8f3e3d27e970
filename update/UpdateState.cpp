#include "UpdateState.h"
#include "framework/Text.h"
#include <cstring>
#include <mutex>

// Constructed in this order; destroyed in the reverse one at exit.
std::string g_strSelfPathUpper;
std::string g_strPacketDir;
std::string g_strCardRoot;
std::string g_strCurrentTarget;

std::atomic<uint32_t> g_nTotalBytes{0};
std::atomic<uint32_t> g_nCopiedBytes{0};
std::atomic<float> g_fPercent{0.0f};
std::atomic<BOOL> g_bWorkerStarted{0};

namespace {
std::mutex& CurrentTargetLock()
{
    static std::mutex lock;
    return lock;
}
}  // namespace

void SetCurrentTarget(const std::string& target)
{
    std::lock_guard<std::mutex> guard(CurrentTargetLock());
    g_strCurrentTarget = target;
}

std::string CurrentTarget()
{
    std::lock_guard<std::mutex> guard(CurrentTargetLock());
    return g_strCurrentTarget;
}

BOOL AdoptModulePath(const char* path, DWORD nCopied)
{
    // A return of 0 is a failure; MAX_PATH or more means the path was cut to fit.
    if (nCopied == 0 || nCopied >= MAX_PATH || std::strlen(path) != nCopied) {
        g_strSelfPathUpper.clear();
        g_strPacketDir.clear();
        return FALSE;
    }
    std::string full(path, nCopied);
    g_strSelfPathUpper = MakeUpperAnsi(full);
    // Byte by byte from the end of a zero-filled buffer: in a double-byte code page a trail
    // byte 0x5C counts as a backslash too.
    char buf[MAX_PATH] = {};
    std::memcpy(buf, g_strSelfPathUpper.data(), g_strSelfPathUpper.size());
    int last = -1;
    for (int i = MAX_PATH - 1; i >= 0; --i) {
        if (buf[i] == '\\') {
            last = i;
            break;
        }
    }
    g_strPacketDir = full.substr(0, static_cast<size_t>(last + 1));
    return !g_strPacketDir.empty();
}

BOOL LocatePacket()
{
    char path[MAX_PATH] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return AdoptModulePath(path, n);
}

std::string PacketRelativePath(const std::string& fullPath)
{
    size_t n = g_strPacketDir.size();
    return n < fullPath.size() ? fullPath.substr(n) : std::string();
}

std::string FileTargetOf(const std::string& fullPath)
{
    return g_strCardRoot + PacketRelativePath(fullPath);
}

std::string FolderTargetOf(const std::string& fullPath)
{
    std::string rel = PacketRelativePath(fullPath);
    if (rel.empty() || rel.back() != '\\')
        rel += '\\';
    return g_strCardRoot + rel;
}

std::string CurrentTargetOf(const std::string& target)
{
    return target.size() > 2 ? target.substr(2) : std::string();
}
