#include "instrument/LinkServices.h"

#include "instrument/LinkMessages.h"

#include "platform/afx/Exception.h"
#include "platform/services/Services.h"

namespace linkio {

void ShowMessage(const CString& text) { services::ShowMessageBox(nullptr, text, nullptr, MB_OK); }

CString TranslatedText(int id) { return CString(services::Current().Text(id).c_str()); }

CString MessageText(int id, const CString& first, const CString& second) {
  CString text = TranslatedText(id);
  text.Replace("##", first);
  text.Replace("@@", second);
  return text;
}

void ShowMessageById(int id, const CString& first, const CString& second) {
  ShowMessage(MessageText(id, first, second));
}

CString CauseText(ViStatus status) { return MessageText(CauseOf(status)); }

void ThrowAbort() { AfxThrowUserException(); }

}  // namespace linkio

LinkMessage CauseOf(ViStatus status) {
  switch (status) {
    case VI_ERROR_CONN_LOST:
    case VI_ERROR_INV_OBJECT: return kMsgConnectionLost;
    case VI_ERROR_TMO: return kMsgTimedOut;
    case VI_ERROR_RSRC_LOCKED: return kMsgLocked;
    default: return kMsgIoError;
  }
}
