#pragma once
// What the instrument link needs from the layers above it, installable so
// the link stays free of windows: a message box, the translator's texts by
// id, and the pause (the platform clock, which tests replace).

#include "platform/afx/String.h"
#include "platform/visa/VisaTypes.h"
#include "platform/win/Sleep.h"

#include <functional>

namespace linkio {

// Shows a message box with an OK button (default: the framework's error
// reporter).
using MessageSink = std::function<void(const CString& text)>;
MessageSink SetMessageSink(MessageSink sink);
void ShowMessage(const CString& text);

// The translated UI text of an id; empty when the id has none (default: no
// texts at all).
using TextSource = std::function<CString(int id)>;
TextSource SetTextSource(TextSource source);
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
