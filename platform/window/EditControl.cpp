// "Edit": one-line edits (QLineEdit) and multi-line edits (QPlainTextEdit).
// Typing and program-set texts both notify EN_CHANGE, the latter even when
// the text stays the same. Clipboard keys (Ctrl+X/C/V, Shift+Delete,
// Ctrl+Insert, Shift+Insert) arrive as WM_CUT/WM_COPY/WM_PASTE,
// so a subclass can filter pasted text as it filters typed characters.
#include "platform/window/EventBridge.h"
#include "platform/window/StandardControls.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace controls {
namespace {
QWidget* MakeEdit(HWND h, QWidget* parent) {
  DWORD style = static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE));
  if (style & ES_MULTILINE) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setReadOnly(style & ES_READONLY);
    edit->setContextMenuPolicy(Qt::NoContextMenu);
    edit->setLineWrapMode((style & ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap
                                                   : QPlainTextEdit::WidgetWidth);
    QObject::connect(edit->document(), &QTextDocument::contentsChange,
                     [h, edit](int, int removed, int added) {
                       if ((removed || added) && edit->hasFocus())
                         EventBridge::NotifyParent(h, EN_CHANGE);
                     });
    EventBridge::AttachPart(h, edit->viewport());
    return edit;
  }
  auto* edit = new QLineEdit(parent);
  edit->setReadOnly(style & ES_READONLY);
  edit->setFrame(style & WS_BORDER);
  edit->setContextMenuPolicy(Qt::NoContextMenu);
  if (style & ES_PASSWORD) edit->setEchoMode(QLineEdit::Password);
  edit->setAlignment((style & ES_RIGHT)    ? Qt::AlignRight
                     : (style & ES_CENTER) ? Qt::AlignHCenter
                                           : Qt::AlignLeft);
  QObject::connect(edit, &QLineEdit::textEdited, [h] { EventBridge::NotifyParent(h, EN_CHANGE); });
  return edit;
}

QString TextOf(QWidget* w) {
  if (auto* line = dynamic_cast<QLineEdit*>(w)) return line->text();
  if (auto* plain = dynamic_cast<QPlainTextEdit*>(w))
    return plain->toPlainText().replace("\n", "\r\n");
  return {};
}

void SetText(QWidget* w, const QString& text) {
  if (auto* line = dynamic_cast<QLineEdit*>(w))
    line->setText(text);
  else if (auto* plain = dynamic_cast<QPlainTextEdit*>(w))
    plain->setPlainText(QString(text).replace("\r\n", "\n"));
}

void SetSelection(QWidget* w, int start, int end) {
  QString text = TextOf(w);
  if (start < 0) return;  // -1 removes the selection; the caret stays
  if (end < 0 || end > text.size()) end = static_cast<int>(text.size());
  if (auto* line = dynamic_cast<QLineEdit*>(w))
    line->setSelection(start, end - start);
  else if (auto* plain = dynamic_cast<QPlainTextEdit*>(w)) {
    QTextCursor c = plain->textCursor();
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    plain->setTextCursor(c);
  }
}

LRESULT EditProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  QWidget* widget = WidgetOf(h);
  auto* line = dynamic_cast<QLineEdit*>(widget);
  auto* plain = dynamic_cast<QPlainTextEdit*>(widget);
  switch (msg) {
    case WM_SETTEXT:
      SetText(widget, Text(l));
      EventBridge::NotifyParent(h, EN_CHANGE);
      return TRUE;
    case WM_GETTEXT: return CopyText(TextOf(widget), w, l);
    case WM_GETTEXTLENGTH: return TextOf(widget).toUtf8().size();
    case WM_CHAR: {
      DWORD style = static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE));
      switch (w) {
        case 3: return SendMessage(h, WM_COPY, 0, 0);
        case 22: return SendMessage(h, WM_PASTE, 0, 0);
        case 24: return SendMessage(h, WM_CUT, 0, 0);
        default: break;
      }
      if ((style & ES_NUMBER) && w >= 32 && (w < '0' || w > '9')) {
        MessageBeep(0xFFFFFFFF);
        return 0;
      }
      return DefWindowProc(h, msg, w, l);
    }
    case WM_KEYDOWN: {
      // The other clipboard keys go the same way, so no paste escapes a filter.
      const bool shift = GetKeyState(VK_SHIFT) < 0, control = GetKeyState(VK_CONTROL) < 0;
      if (w == VK_INSERT && shift && !control) return SendMessage(h, WM_PASTE, 0, 0);
      if (w == VK_INSERT && control && !shift) return SendMessage(h, WM_COPY, 0, 0);
      if (w == VK_DELETE && shift && !control) return SendMessage(h, WM_CUT, 0, 0);
      return DefWindowProc(h, msg, w, l);
    }
    case WM_PASTE:
      if (line && !line->isReadOnly())
        line->paste();
      else if (plain && !plain->isReadOnly())
        plain->paste();
      else
        return 0;
      EventBridge::NotifyParent(h, EN_CHANGE);
      return 0;
    case WM_COPY:
      if (line)
        line->copy();
      else if (plain)
        plain->copy();
      return 0;
    case WM_CUT:
      if (line && !line->isReadOnly())
        line->cut();
      else if (plain && !plain->isReadOnly())
        plain->cut();
      else
        return 0;
      EventBridge::NotifyParent(h, EN_CHANGE);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      LRESULT r = DefWindowProc(h, msg, w, l);
      EventBridge::NotifyParent(h, msg == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
      return r;
    }
    case EM_SETSEL:
      SetSelection(widget, static_cast<int>(static_cast<INT_PTR>(w)), static_cast<int>(l));
      return 0;
    case EM_GETSEL: {
      int start =
          line ? (line->hasSelectedText() ? line->selectionStart() : line->cursorPosition()) : 0;
      int end = line ? start + static_cast<int>(line->selectedText().size()) : 0;
      if (w) *reinterpret_cast<DWORD*>(w) = static_cast<DWORD>(start);
      if (l) *reinterpret_cast<DWORD*>(l) = static_cast<DWORD>(end);
      return MAKELPARAM(static_cast<WORD>(start), static_cast<WORD>(end));
    }
    case EM_REPLACESEL:
      if (line)
        line->insert(Text(l));
      else if (plain)
        plain->insertPlainText(Text(l));
      EventBridge::NotifyParent(h, EN_CHANGE);
      return 0;
    case EM_LIMITTEXT:
      if (line) line->setMaxLength(w ? static_cast<int>(w) : 32767);
      return 0;
    case EM_SETREADONLY:
      if (line) line->setReadOnly(w != 0);
      if (plain) plain->setReadOnly(w != 0);
      return TRUE;
    case EM_SCROLLCARET:  // Qt keeps the caret in view by itself
      return TRUE;
    default: return DefWindowProc(h, msg, w, l);
  }
}
}  // namespace

void RegisterEdit() { Register("Edit", EditProc, MakeEdit, CS_DBLCLKS); }
}  // namespace controls
