#include "instrument/LinkServices.h"

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

void ThrowAbort() { AfxThrowUserException(); }

}  // namespace linkio
