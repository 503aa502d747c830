#pragma once
// Profile (INI) files as the platform reads and writes them: "[section]"
// headers and "key=value" lines. Sections and keys are matched without
// regard to ASCII case; blank lines and lines starting with ';' are skipped.
// Texts are bytes (UTF-8 here); a file may end its lines with LF or CR LF.

#include "platform/win/WinTypes.h"

// The value of `key` in `section`, without blanks around it (matching
// quotes around a whole value are removed), or `defaultValue` when the
// file, the section or the key is missing. At most size - 1 bytes and a NUL
// are written; returns the count written without the NUL.
DWORD GetPrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR out,
                              DWORD size, LPCSTR file);

// Every entry of `section` in file order, each as its line stands (without
// the line end) followed by a NUL, and one more NUL after the last. Returns
// the count written without the final NUL; when the entries do not fit, they
// are cut and the result is size - 2, as on the platform. 0 when the file or
// the section is missing or the section is empty.
DWORD GetPrivateProfileSection(LPCSTR section, LPSTR out, DWORD size, LPCSTR file);

// Sets `key` of `section` to `value`, adding the section or the key at its
// end when missing and creating the file (not its folder) when needed.
// FALSE when the file cannot be written.
BOOL WritePrivateProfileString(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file);
