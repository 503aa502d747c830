#include "platform/window/MessageBox.h"

#include "platform/window/WindowApi.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace {
UiScript::MessageBoxHandler& Handler() {
  static UiScript::MessageBoxHandler handler;
  return handler;
}
std::string& Caption() {
  static std::string caption = "Error";
  return caption;
}

// The buttons of each box type with the result each gives.
std::vector<std::pair<const char*, int>> ButtonsOf(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{"OK", IDOK}, {"Cancel", IDCANCEL}};
    case MB_ABORTRETRYIGNORE:
      return {{"&Abort", IDABORT}, {"&Retry", IDRETRY}, {"&Ignore", IDIGNORE}};
    case MB_YESNOCANCEL: return {{"&Yes", IDYES}, {"&No", IDNO}, {"Cancel", IDCANCEL}};
    case MB_YESNO: return {{"&Yes", IDYES}, {"&No", IDNO}};
    case MB_RETRYCANCEL: return {{"&Retry", IDRETRY}, {"Cancel", IDCANCEL}};
    default: return {{"OK", IDOK}};
  }
}

QMessageBox::Icon IconOf(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}
}  // namespace

namespace UiScript {
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}
void SetDefaultCaption(const std::string& caption) { Caption() = caption; }
const std::string& DefaultCaption() { return Caption(); }
}  // namespace UiScript

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  MessageBoxCall call{text ? text : "", caption ? caption : Caption(), type};
  if (Handler()) return Handler()(call);
  QMessageBox box(IconOf(type), QString::fromStdString(call.caption),
                  QString::fromStdString(call.text), QMessageBox::NoButton, WidgetOf(owner));
  std::vector<std::pair<QAbstractButton*, int>> results;
  for (auto [label, result] : ButtonsOf(type)) {
    auto role =
        (result == IDCANCEL || result == IDNO) ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
    results.emplace_back(box.addButton(QString::fromUtf8(label), role), result);
  }
  box.exec();
  for (auto [button, result] : results)
    if (box.clickedButton() == button) return result;
  // Closed without a button: the platform answers Cancel where there is one.
  return results.size() == 1 ? IDOK : IDCANCEL;
}
