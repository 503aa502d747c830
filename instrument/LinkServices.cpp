#include "instrument/LinkServices.h"

#include "instrument/LinkMessages.h"

#include "platform/afx/Exception.h"

#include <mutex>

namespace linkio {
namespace {

std::mutex g_lock;
MessageSink g_sink;
TextSource g_texts;

}  // namespace

MessageSink SetMessageSink(MessageSink sink) {
  std::lock_guard guard(g_lock);
  std::swap(g_sink, sink);
  return sink;
}

void ShowMessage(const CString& text) {
  MessageSink sink;
  {
    std::lock_guard guard(g_lock);
    sink = g_sink;
  }
  if (sink)
    sink(text);
  else
    AfxReportError(text, 0);
}

TextSource SetTextSource(TextSource source) {
  std::lock_guard guard(g_lock);
  std::swap(g_texts, source);
  return source;
}

CString TranslatedText(int id) {
  TextSource source;
  {
    std::lock_guard guard(g_lock);
    source = g_texts;
  }
  return source ? source(id) : CString();
}

CString MessageText(int id, const CString& first, const CString& second) {
  CString text = TranslatedText(id);
  if (text.IsEmpty())
    if (const char* english = LinkMessageEnglish(id)) text = english;
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

const char* LinkMessageEnglish(int id) {
  switch (id) {
#define PELMORAN_LINK_MESSAGE_TEXT(number, name, english) \
  case number: return english;
    PELMORAN_LINK_MESSAGES(PELMORAN_LINK_MESSAGE_TEXT)
#undef PELMORAN_LINK_MESSAGE_TEXT
    default: return nullptr;
  }
}

LinkMessage CauseOf(ViStatus status) {
  switch (status) {
    case VI_ERROR_CONN_LOST:
    case VI_ERROR_INV_OBJECT: return kMsgConnectionLost;
    case VI_ERROR_TMO: return kMsgTimedOut;
    case VI_ERROR_RSRC_LOCKED: return kMsgLocked;
    default: return kMsgIoError;
  }
}
