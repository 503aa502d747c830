// The translation convention of dialogs: caption by the template id, each
// child control by its control id.
#include "shell/base/Translator.h"

#include "platform/window/WindowApi.h"

void CTranslator::TranslateDialog(HWND dialog, UINT templateId) const {
  if (!dialog) return;
  const CString caption = GetText(static_cast<int>(templateId));
  if (!caption.IsEmpty()) SetWindowText(dialog, caption);  // else the template's caption stays
  TranslateControls(dialog);
}

void CTranslator::TranslateControls(HWND dialog) const {
  if (!dialog) return;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const int id = GetDlgCtrlID(child);
    const CString text = GetText(id);
    if (!text.IsEmpty()) SetDlgItemText(dialog, id, text);  // the first control with that id
  }
}
