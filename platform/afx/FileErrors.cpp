#include "platform/afx/FileErrors.h"

#include "platform/afx/FileException.h"

#include <cerrno>

namespace {

struct ErrnoRow {
  int error;
  LONG osError;
};

// errno -> the platform's error code.
constexpr ErrnoRow kErrnoTable[] = {
    {ENOENT, 2},          // ERROR_FILE_NOT_FOUND
    {ENOTDIR, 3},         // ERROR_PATH_NOT_FOUND
    {EMFILE, 4},          // ERROR_TOO_MANY_OPEN_FILES
    {ENFILE, 4},          //
    {EACCES, 5},          // ERROR_ACCESS_DENIED
    {EPERM, 5},           //
    {EISDIR, 5},          //
    {EBADF, 6},           // ERROR_INVALID_HANDLE
    {ENOMEM, 8},          // ERROR_NOT_ENOUGH_MEMORY
    {EROFS, 19},          // ERROR_WRITE_PROTECT
    {EXDEV, 17},          // ERROR_NOT_SAME_DEVICE
    {ESPIPE, 25},         // ERROR_SEEK
    {EIO, 31},            // ERROR_GEN_FAILURE
    {EBUSY, 32},          // ERROR_SHARING_VIOLATION
    {ETXTBSY, 32},        //
    {EEXIST, 80},         // ERROR_FILE_EXISTS
    {EINVAL, 87},         // ERROR_INVALID_PARAMETER
    {ENOSPC, 112},        // ERROR_DISK_FULL
    {EDQUOT, 112},        //
    {ELOOP, 123},         // ERROR_INVALID_NAME
    {ENOTEMPTY, 145},     // ERROR_DIR_NOT_EMPTY
    {ENAMETOOLONG, 206},  // ERROR_FILENAME_EXCED_RANGE
};

struct CauseRow {
  LONG osError;
  int cause;
};

// The platform's error code -> CFileException cause.
constexpr CauseRow kCauseTable[] = {
    {2, CFileException::fileNotFound},
    {3, CFileException::badPath},
    {4, CFileException::tooManyOpenFiles},
    {5, CFileException::accessDenied},
    {6, CFileException::invalidFile},
    {15, CFileException::badPath},  // ERROR_INVALID_DRIVE
    {16, CFileException::removeCurrentDir},
    {19, CFileException::accessDenied},
    {25, CFileException::badSeek},
    {31, CFileException::hardIO},
    {32, CFileException::sharingViolation},
    {33, CFileException::lockViolation},
    {38, CFileException::endOfFile},
    {39, CFileException::diskFull},
    {80, CFileException::accessDenied},
    {82, CFileException::directoryFull},  // ERROR_CANNOT_MAKE
    {112, CFileException::diskFull},
    {123, CFileException::badPath},
    {131, CFileException::badSeek},
    {161, CFileException::badPath},  // ERROR_BAD_PATHNAME
    {183, CFileException::accessDenied},
    {206, CFileException::badPath},
    {267, CFileException::badPath},  // ERROR_DIRECTORY
};

}  // namespace

LONG AfxOsErrorFromErrno(int nErrno) {
  for (const auto& row : kErrnoTable) {
    if (row.error == nErrno) return row.osError;
  }
  return 1;  // ERROR_INVALID_FUNCTION: no closer code
}

int AfxFileCauseFromOsError(LONG lOsError) {
  for (const auto& row : kCauseTable) {
    if (row.osError == lOsError) return row.cause;
  }
  return CFileException::genericException;
}
