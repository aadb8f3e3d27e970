#pragma once
#include <string>

// Adds the low 32 bits of the size of every file below folder, except the executable itself,
// to g_nTotalBytes. Silent: an unlistable folder or an unreadable status adds nothing.
void ScanPacketSize(std::string folder);
