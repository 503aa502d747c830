#pragma once
// The framework's exception base and its simple kinds. Exceptions are thrown
// by pointer; the catcher ends them with Delete, which frees the object only
// when it was created with auto-delete (the simple kinds thrown by the
// AfxThrow functions are shared static objects without it, so that running
// out of memory can still be reported).

#include "platform/afx/Object.h"

class CException : public CObject {
  DECLARE_DYNAMIC(CException)
 public:
  explicit CException(BOOL bAutoDelete = TRUE) : m_bAutoDelete(bAutoDelete) {}

  // Frees the exception when it is auto-delete; otherwise does nothing.
  void Delete();

  // Copies the exception's text into lpszError (at most nMaxError - 1
  // characters and a terminator) and returns whether there is one. The base
  // has none: it writes an empty text and returns FALSE.
  virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                               UINT* pnHelpContext = nullptr) const;
  // Shows the exception's text through AfxReportError; with no
  // text, the string resource nMessageID, else a general text. nType is the
  // message-box style. Returns the button chosen.
  virtual int ReportError(UINT nType = 0, UINT nMessageID = 0);

  BOOL m_bAutoDelete;
};

// Exceptions with a fixed text, thrown as shared static objects.
class CSimpleException : public CException {
  DECLARE_DYNAMIC(CSimpleException)
 public:
  explicit CSimpleException(BOOL bAutoDelete = TRUE) : CException(bAutoDelete) {}
  BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError,
                       UINT* pnHelpContext = nullptr) const override;

 protected:
  virtual LPCSTR GetFixedText() const = 0;
};

#define AFX_SIMPLE_EXCEPTION(class_name)                                            \
  class class_name : public CSimpleException {                                      \
    DECLARE_DYNAMIC(class_name)                                                     \
   public:                                                                          \
    explicit class_name(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {} \
                                                                                    \
   protected:                                                                       \
    LPCSTR GetFixedText() const override;                                           \
  };

AFX_SIMPLE_EXCEPTION(CMemoryException)
AFX_SIMPLE_EXCEPTION(CNotSupportedException)
AFX_SIMPLE_EXCEPTION(CInvalidArgException)
#undef AFX_SIMPLE_EXCEPTION

// Thrown to end an operation whose failure the user has already been told.
class CUserException : public CSimpleException {
  DECLARE_DYNAMIC(CUserException)
 public:
  explicit CUserException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

 protected:
  LPCSTR GetFixedText() const override;
};

[[noreturn]] void AfxThrowMemoryException();
[[noreturn]] void AfxThrowNotSupportedException();
[[noreturn]] void AfxThrowInvalidArgException();
[[noreturn]] void AfxThrowUserException();

// Copies text into a caller's buffer the way GetErrorMessage does.
void AfxCopyErrorText(LPTSTR lpszError, UINT nMaxError, LPCSTR text);

// Shows an error text in a message box of style nType (0: an OK box) through
// the services in place (platform/services/Services.h) and returns the
// button chosen. ReportError ends here.
int AfxReportError(LPCSTR text, UINT nType = 0);
