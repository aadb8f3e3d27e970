#pragma once
// Process-wide state shared by the update command, the size scan, the copy worker and the
// progress handler, and the rule that maps a packet path onto the card.
#include <windows.h>
#include <atomic>
#include <cstdint>
#include <string>

extern std::string g_strSelfPathUpper;  // the executable's full path, upper-cased
extern std::string g_strPacketDir;      // the executable's folder, ending with a backslash
extern std::string g_strCardRoot;       // the chosen card as the drive list shows it, e.g. E:\ .
// Written by the worker, read by the progress handler: go through SetCurrentTarget and
// CurrentTarget, which hold the lock, never touch it directly while a worker may run.
extern std::string g_strCurrentTarget;

// Single aligned 32-bit values, atomic on purpose: the worker writes what the window reads.
extern std::atomic<uint32_t> g_nTotalBytes;   // packet total, modulo 2^32
extern std::atomic<uint32_t> g_nCopiedBytes;  // verified bytes of the current run, modulo 2^32
extern std::atomic<float> g_fPercent;         // progress of the current run
extern std::atomic<BOOL> g_bWorkerStarted;    // the copy worker has begun

void SetCurrentTarget(const std::string& target);
std::string CurrentTarget();

// Sets g_strSelfPathUpper and g_strPacketDir from the running executable's path. Returns FALSE,
// leaving both empty, when the path did not fit its 260-byte buffer: no packet is better than a
// wrong one.
BOOL LocatePacket();
// The same from a path that GetModuleFileNameA delivered, with its return value.
BOOL AdoptModulePath(const char* path, DWORD nCopied);

// Path rule: an entry's path inside the packet with the packet folder's length cut off.
std::string PacketRelativePath(const std::string& fullPath);
std::string FileTargetOf(const std::string& fullPath);
std::string FolderTargetOf(const std::string& fullPath);
// The target without its drive letter and colon, so it begins with a backslash.
std::string CurrentTargetOf(const std::string& target);
