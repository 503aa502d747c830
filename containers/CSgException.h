#pragma once
// The library's exception family on the framework's exception classes, so
// that callers catch them as CException* like any framework exception. They
// are thrown by pointer (allocated with new, auto-delete set) and the catcher
// ends them with Delete. Each class composes its message in its constructor.

#include "platform/afx/Exception.h"
#include "platform/afx/String.h"

namespace SG {

class CSgException : public CException {
 public:
  explicit CSgException(BOOL autoDelete = TRUE) : CException(autoDelete) {}
  ~CSgException() override = default;

  CString GetErrorString() const { return m_message; }
  void SetErrorString(const CString& message) { m_message = message; }
  // Copies at most bufferSize - 1 bytes of the message (never splitting a
  // character) and terminates; TRUE when the base or the message has a text.
  BOOL GetErrorMessage(LPTSTR buffer, UINT bufferSize, UINT* helpContext = nullptr) const override;

 private:
  CString m_message;
};

class CSgIndexException : public CSgException {
 public:
  CSgIndexException(int index, int count, BOOL autoDelete);
  CSgIndexException(int index, int low, int high, BOOL autoDelete);
  CSgIndexException(const CString& message, BOOL autoDelete);
};

class CSgInterfaceNotSupportedException : public CSgException {
 public:
  CSgInterfaceNotSupportedException(const CString& objectName, const CString& interfaceName,
                                    BOOL autoDelete);
};

class CSgObjectNotInUsableStateException : public CSgException {
 public:
  // className: the short name of the throwing class, e.g. "CSgGraph".
  CSgObjectNotInUsableStateException(const CString& className, BOOL autoDelete);
};

class CSgControlVersionException : public CSgException {
 public:
  CSgControlVersionException(const CString& expected, BOOL autoDelete);
  CSgControlVersionException(const CString& expected, const CString& found, BOOL autoDelete);
};

class CSgNotActiveXControlException : public CSgException {
 public:
  explicit CSgNotActiveXControlException(BOOL autoDelete);
};

class CSgDataInitializationException : public CSgException {
 public:
  explicit CSgDataInitializationException(BOOL autoDelete);
};

class CSgNotSupportedException : public CSgException {
 public:
  explicit CSgNotSupportedException(BOOL autoDelete);
  CSgNotSupportedException(const char* message, BOOL autoDelete);
};

// Copies at most bufferSize - 1 bytes of message into buffer without
// splitting a UTF-8 character, then terminates (nothing when bufferSize is 0).
void CopyMessage(const CString& message, LPTSTR buffer, UINT bufferSize);

}  // namespace SG
