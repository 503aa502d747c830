#include "waveform/LogManager.h"

#include "platform/afx/FileException.h"
#include "platform/win/ModulePath.h"

#include <sys/stat.h>

CString EquationFolder() { return CString((ProgramFolder() + "Equations/").c_str()); }

CString EquationHistoryPath() { return EquationFolder() + "Equations.txt"; }

CLog_Manager::~CLog_Manager() { CloseLogFile(); }

bool CLog_Manager::OpenLogFile(const CString& name) {
  CloseLogFile();
  const CString folder = EquationFolder();
  struct stat info {};
  if (::stat(folder, &info) != 0 && ::mkdir(folder, 0777) != 0) return false;
  const CString path = folder + name + ".txt";
  return m_file.Open(path, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite |
                               CFile::typeText) != FALSE;
}

void CLog_Manager::AppendLine(const CString& name, const CString& text, int) {
  if (!OpenLogFile(name)) return;
  try {
    m_file.SeekToEnd();
    m_file.WriteString(text + "\n");
  } catch (CFileException* e) {
    // A write error is the caller's to see, as any file error; close first.
    CloseLogFile();
    throw;
  }
  CloseLogFile();
}

bool CLog_Manager::CloseLogFile() {
  if (m_file.IsOpen()) m_file.Close();
  return true;
}
