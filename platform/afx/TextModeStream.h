#pragma once
// The platform C runtime's text mode, in one place: a FILE* over a binary
// stream whose writes turn each LF into CR LF and whose reads turn CR LF into
// LF (a lone LF or CR is read as it is). Positions (ftell, fseek) are those
// of the underlying file, as on the platform. Closing the text stream closes
// the binary one.

#include <cstdio>

// Null when the stream cannot be made (the binary stream stays open then).
std::FILE* AfxOpenTextStream(std::FILE* binary);
