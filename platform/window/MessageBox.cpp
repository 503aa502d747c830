#include "platform/window/MessageBox.h"

#include "platform/services/Services.h"
#include "platform/window/Cursors.h"
#include "platform/window/WinApp.h"
#include "platform/window/WindowApi.h"
#include "platform/window/WindowServices.h"

#include <QMessageBox>
#include <QPushButton>
#include <utility>

namespace {
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

int MessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  return services::ShowMessageBox(owner, text, caption, type);
}

int WindowServices::MessageBox(HWND owner, const MessageBoxCall& call) {
  std::string caption = call.caption;
  if (caption.empty()) {
    CWinApp* app = AfxGetApp();
    caption = app && app->m_pszAppName ? app->m_pszAppName : "Error";
  }
  QMessageBox box(IconOf(call.type), QString::fromStdString(caption),
                  QString::fromStdString(call.text), QMessageBox::NoButton, WidgetOf(owner));
  std::vector<std::pair<QAbstractButton*, int>> results;
  for (auto [label, result] : ButtonsOf(call.type)) {
    auto role =
        (result == IDCANCEL || result == IDNO) ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
    results.emplace_back(box.addButton(QString::fromUtf8(label), role), result);
  }
  cursor_detail::ModalPointer pointer;
  box.exec();
  for (auto [button, result] : results)
    if (box.clickedButton() == button) return result;
  return ClosedBoxAnswer(call.type);
}
