#include "instrument/LinkServices.h"

#include "platform/afx/Exception.h"
#include "platform/services/Services.h"

namespace linkio {

void ShowMessage(const CString& text) { services::ShowMessageBox(nullptr, text, nullptr, MB_OK); }

CString TranslatedText(int id) { return CString(services::Current().Text(id).c_str()); }

void ThrowAbort() { AfxThrowUserException(); }

}  // namespace linkio
