#pragma once
// What the instrument link needs from the layers above it, through the
// platform's services (platform/services/Services.h) so the link stays free
// of windows: a message box, the translator's texts by id, and the pause.

#include "platform/afx/String.h"
#include "platform/visa/VisaTypes.h"
#include "platform/win/Sleep.h"

namespace linkio {

// Shows a message box with an OK button.
void ShowMessage(const CString& text);

// The translated UI text of an id; empty when the id has none.
CString TranslatedText(int id);

// The text of one of the link's own messages (instrument/LinkMessages.h):
// the translation, else the English text, with "##" and "@@" replaced.
CString MessageText(int id, const CString& first = CString(), const CString& second = CString());
// Shows that text in a message box.
void ShowMessageById(int id, const CString& first = CString(), const CString& second = CString());
// The text of the cause of a failed VISA call.
CString CauseText(ViStatus status);

inline void Pause(DWORD milliseconds) { Sleep(milliseconds); }

// The framework's user-abort exception: carries nothing, shows nothing.
[[noreturn]] void ThrowAbort();

}  // namespace linkio
