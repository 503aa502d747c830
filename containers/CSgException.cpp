#include "containers/CSgException.h"

#include "containers/CSgTextStream.h"

#include <cstring>

namespace SG {

void CopyMessage(const CString& message, LPTSTR buffer, UINT bufferSize) {
  if (bufferSize == 0 || buffer == nullptr) return;
  const char* text = message;
  std::size_t n = std::strlen(text);
  if (n > bufferSize - 1) {
    n = bufferSize - 1;
    // Step back over continuation bytes so no character is cut in two.
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
  }
  std::memcpy(buffer, text, n);
  buffer[n] = 0;
  buffer[bufferSize - 1] = 0;
}

BOOL CSgException::GetErrorMessage(LPTSTR buffer, UINT bufferSize, UINT* helpContext) const {
  char scratch[2] = {0, 0};
  const BOOL base = CException::GetErrorMessage(scratch, 2, helpContext);
  CopyMessage(m_message, buffer, bufferSize);
  return (base || !m_message.IsEmpty()) ? TRUE : FALSE;
}

CSgIndexException::CSgIndexException(int index, int count, BOOL autoDelete)
    : CSgException(autoDelete) {
  CSgTextStream s;
  s << CString("Specified index: ") << index
    << CString(" is out of range. The valid range is 0 to ")
    << static_cast<int>(static_cast<unsigned>(count) - 1u);
  SetErrorString(s.GetText());
}

CSgIndexException::CSgIndexException(int index, int low, int high, BOOL autoDelete)
    : CSgException(autoDelete) {
  CSgTextStream s;
  s << CString("Specified index: ") << index << CString(" is out of range. The valid range is ")
    << low << CString(" to ") << high << CString(".");
  SetErrorString(s.GetText());
}

CSgIndexException::CSgIndexException(const CString& message, BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString(message);
}

CSgInterfaceNotSupportedException::CSgInterfaceNotSupportedException(const CString& objectName,
                                                                     const CString& interfaceName,
                                                                     BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString(objectName + CString(" does not support the requested interface: ") +
                 interfaceName);
}

CSgObjectNotInUsableStateException::CSgObjectNotInUsableStateException(const CString& className,
                                                                       BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString(className + CString(" instance is in an unusable state."));
}

CSgControlVersionException::CSgControlVersionException(const CString& expected, BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString(CString("The ActiveX control is an invalid version.\nExpected version: ") +
                 expected);
}

CSgControlVersionException::CSgControlVersionException(const CString& expected,
                                                       const CString& found, BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString(CString("The ActiveX control is an invalid version.\nExpected version: ") +
                 expected + CString("\nFound version: ") + found);
}

CSgNotActiveXControlException::CSgNotActiveXControlException(BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString("The object is not an ActiveX control.");
}

CSgDataInitializationException::CSgDataInitializationException(BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString("Initialization for this datatype is unsupported.");
}

CSgNotSupportedException::CSgNotSupportedException(BOOL autoDelete) : CSgException(autoDelete) {
  SetErrorString("The requested operation is currently unsupported.");
}

CSgNotSupportedException::CSgNotSupportedException(const char* message, BOOL autoDelete)
    : CSgException(autoDelete) {
  SetErrorString(message);
}

}  // namespace SG
