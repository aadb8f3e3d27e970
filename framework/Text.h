#pragma once
// 8-bit text helpers in the system's ANSI code page.
#include <windows.h>
#include <string>

// Upper-cases with the platform's multibyte-aware rules for the current ANSI code page;
// letters change, the byte length does not.
std::string MakeUpperAnsi(std::string text);

// Loads a string resource of this executable as 8-bit text; empty when it does not exist.
std::string LoadResString(UINT id);
