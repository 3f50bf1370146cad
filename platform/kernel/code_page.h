#pragma once
// Conversions between multi-byte code pages and UTF-16.
//
// The ANSI code page (CP_ACP) of this platform is GB18030: byte-compatible with GBK
// for every GBK character and able to hold all of Unicode. CP_UTF8 and the GBK/GB18030
// numbers are accepted too; any other code page fails with ERROR_INVALID_PARAMETER.
//
// Both calls follow the usual contract:
//  - a source length of -1 means "NUL-terminated"; the terminator is converted too and
//    counted in the result. A given length converts exactly that many units, and no
//    terminator is written unless the source range holds one;
//  - a destination size of 0 asks only for the number of units needed;
//  - a destination that is too small fails with ERROR_INSUFFICIENT_BUFFER;
//  - input that is not valid in its encoding (broken multi-byte sequences, unpaired
//    surrogates) fails with ERROR_NO_UNICODE_TRANSLATION; nothing is replaced silently.
// A failure returns 0 and sets the thread's last error.

#include "platform/kernel/types.h"

namespace platform {

constexpr UINT CP_ACP = 0;
constexpr UINT CP_GBK = 936;
constexpr UINT CP_GB18030 = 54936;
constexpr UINT CP_UTF8 = 65001;

constexpr DWORD MB_ERR_INVALID_CHARS = 0x08;
constexpr DWORD WC_ERR_INVALID_CHARS = 0x80;

int MultiByteToWideChar(UINT codePage, DWORD flags, const char* multiByte, int multiByteCount,
                        WCHAR* wide, int wideCount);

int WideCharToMultiByte(UINT codePage, DWORD flags, const WCHAR* wide, int wideCount,
                        char* multiByte, int multiByteCount, const char* defaultChar,
                        BOOL* usedDefaultChar);

}  // namespace platform
