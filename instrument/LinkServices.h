#pragma once
// What the instrument link needs from the layers above it, through the
// platform's services (platform/services/Services.h) so the link stays free
// of windows: a message box, the translator's texts by id, and the pause.

#include "platform/afx/String.h"
#include "platform/win/Sleep.h"

namespace linkio {

// Shows a message box with an OK button.
void ShowMessage(const CString& text);

// The translated UI text of an id; empty when the id has none.
CString TranslatedText(int id);

inline void Pause(DWORD milliseconds) { Sleep(milliseconds); }

// The framework's user-abort exception: carries nothing, shows nothing.
[[noreturn]] void ThrowAbort();

}  // namespace linkio
