#pragma once
// The equation history logger: appends lines to "<name>.txt" in the folder
// "Equations" of the program folder (beside the program file, whatever the
// current directory is). The folder and the file are made when missing and
// the file is never truncated; each line is written as UTF-8 text ending in
// CR LF, and the file is opened and closed around every line. No Qt here.

#include "platform/afx/String.h"
#include "platform/afx/StdioFile.h"

// The folder that holds the logs, ending in '/': the program folder +
// "Equations/".
CString EquationFolder();
// The history file the equation dialog reads and appends to.
CString EquationHistoryPath();

class CLog_Manager {
 public:
  CLog_Manager() = default;
  virtual ~CLog_Manager();
  CLog_Manager(const CLog_Manager&) = delete;
  CLog_Manager& operator=(const CLog_Manager&) = delete;

  // Opens the log "name" for writing at its end, making the folder when
  // needed; false when the folder or the file cannot be made or opened.
  bool OpenLogFile(const CString& name);
  // Appends text and a line end to the log "name"; nothing is written (and
  // nothing reported) when it cannot be opened. kind is not used.
  void AppendLine(const CString& name, const CString& text, int kind = 0);
  // Closes the log file; always true.
  bool CloseLogFile();

 private:
  CStdioFile m_file;
};
