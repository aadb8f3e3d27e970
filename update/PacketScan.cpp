#include "PacketScan.h"
#include "PacketWalk.h"
#include "UpdateState.h"
#include "framework/Text.h"

void ScanPacketSize(std::string folder)
{
    WalkFolder(std::move(folder), [](const CFileFind& entry) {
        std::string path = entry.GetFilePath();
        if (entry.IsDirectory()) {
            ScanPacketSize(path);
        } else if (MakeUpperAnsi(path) != g_strSelfPathUpper) {
            CFileStatus status;
            if (CFile::GetStatus(path.c_str(), status))
                g_nTotalBytes += static_cast<uint32_t>(status.m_size);
        }
        return true;
    });
}
