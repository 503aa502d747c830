#pragma once
// How operating-system failures become the framework's file errors: the C
// library's errno is first given the platform's error code (what GetLastError
// would say), and that code chooses the CFileException cause. Both tables
// live in FileErrors.cpp.

#include "platform/win/WinTypes.h"

// The platform's error code for an errno value (ERROR_GEN_FAILURE-like
// codes for the unlisted ones).
LONG AfxOsErrorFromErrno(int nErrno);
// The CFileException cause for a platform error code.
int AfxFileCauseFromOsError(LONG lOsError);
