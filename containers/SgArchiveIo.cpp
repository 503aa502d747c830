#include "containers/SgArchiveIo.h"

namespace SG {

CString ArchiveFileName(const CArchive& archive) {
  return archive.GetFile() ? archive.GetFile()->GetFilePath() : archive.m_strFileName;
}

DWORD ReadArchiveHeader(CArchive& archive, unsigned int elementSize) {
  DWORD version = 0, size = 0, count = 0;
  archive >> version;
  if (version != 0)
    AfxThrowArchiveException(CArchiveException::badSchema, ArchiveFileName(archive));
  archive >> size;
  if (size != elementSize)
    AfxThrowArchiveException(CArchiveException::badClass, ArchiveFileName(archive));
  archive >> count;
  return count;
}

void WriteArchiveHeader(CArchive& archive, unsigned int elementSize, DWORD count) {
  archive << static_cast<DWORD>(0) << static_cast<DWORD>(elementSize) << count;
}

}  // namespace SG
