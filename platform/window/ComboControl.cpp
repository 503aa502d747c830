// "ComboBox" over QComboBox. Only the user's choice notifies CBN_SELCHANGE
// (Qt's activated); selecting by program is silent, as on the platform.
#include "platform/window/EventBridge.h"
#include "platform/window/StandardControls.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QResizeEvent>
#include <algorithm>

namespace controls {
namespace {
class Combo : public QComboBox {
 public:
  Combo(HWND h, QWidget* parent) : QComboBox(parent), window_(h) {}
  void showPopup() override {
    EventBridge::NotifyParent(window_, CBN_DROPDOWN);
    QComboBox::showPopup();
  }
  void hidePopup() override {
    QComboBox::hidePopup();
    EventBridge::NotifyParent(window_, CBN_CLOSEUP);
  }

 protected:
  // A combo box's given height includes its dropped-down list, as on the
  // platform: the box keeps one line and the rest sizes the list. The edit
  // field of an editable box is placed in that line at once: a hidden box
  // gets its own resize only when shown, and text set before then would sit
  // in a field as tall as the list, drawn below the box.
  void resizeEvent(QResizeEvent* e) override {
    int line = sizeHint().height();
    if (height() > line) {
      int rowHeight = std::max(1, fontMetrics().height() + 2);
      setMaxVisibleItems(std::max(1, (height() - line) / rowHeight));
      resize(width(), line);
    }
    QComboBox::resizeEvent(e);
  }

 private:
  HWND window_;
};

QWidget* MakeCombo(HWND h, QWidget* parent) {
  DWORD style = static_cast<DWORD>(GetWindowLongPtr(h, GWL_STYLE));
  auto* combo = new Combo(h, parent);
  combo->setEditable((style & 0x3) == CBS_DROPDOWN || (style & 0x3) == CBS_SIMPLE);
  combo->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(combo, &QComboBox::activated,
                   [h] { EventBridge::NotifyParent(h, CBN_SELCHANGE); });
  if (QLineEdit* edit = combo->lineEdit()) {
    EventBridge::AttachPart(h, edit);
    QObject::connect(edit, &QLineEdit::textEdited,
                     [h] { EventBridge::NotifyParent(h, CBN_EDITCHANGE); });
  }
  return combo;
}

int FindPrefix(QComboBox* combo, int after, const QString& text, bool exact) {
  int n = combo->count();
  for (int k = 1; k <= n; ++k) {
    int i = (after + k) % n;
    if (after < 0) i = k - 1;
    QString item = combo->itemText(i);
    bool match = exact ? item.compare(text, Qt::CaseInsensitive) == 0
                       : item.startsWith(text, Qt::CaseInsensitive);
    if (match) return i;
  }
  return -1;
}

LRESULT ComboProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto* combo = As<QComboBox>(h);
  if (!combo) return DefWindowProc(h, msg, w, l);
  const int index = static_cast<int>(static_cast<INT_PTR>(w));
  switch (msg) {
    case WM_SETTEXT:
      if (combo->isEditable())
        combo->setEditText(Text(l));
      else {
        int i = combo->findText(Text(l));
        if (i < 0) return FALSE;
        combo->setCurrentIndex(i);
      }
      return TRUE;
    case WM_GETTEXT: return CopyText(combo->currentText(), w, l);
    case WM_GETTEXTLENGTH: return combo->currentText().toUtf8().size();
    case CB_ADDSTRING: {
      int at = combo->count();
      if (GetWindowLongPtr(h, GWL_STYLE) & CBS_SORT) {
        at = 0;
        while (at < combo->count() &&
               combo->itemText(at).compare(Text(l), Qt::CaseInsensitive) <= 0)
          ++at;
      }
      combo->insertItem(at, Text(l));
      if (!combo->isEditable() && combo->count() == 1) combo->setCurrentIndex(-1);
      return at;
    }
    case CB_INSERTSTRING: {
      int at = index < 0 || index > combo->count() ? combo->count() : index;
      combo->insertItem(at, Text(l));
      if (!combo->isEditable() && combo->count() == 1) combo->setCurrentIndex(-1);
      return at;
    }
    case CB_DELETESTRING:
      if (index < 0 || index >= combo->count()) return static_cast<LRESULT>(CB_ERR);
      combo->removeItem(index);
      return combo->count();
    case CB_RESETCONTENT: combo->clear(); return 0;
    case CB_GETCOUNT: return combo->count();
    case CB_GETCURSEL: return combo->currentIndex();
    case CB_SETCURSEL:
      if (index < 0 || index >= combo->count()) {
        combo->setCurrentIndex(-1);
        return static_cast<LRESULT>(CB_ERR);
      }
      combo->setCurrentIndex(index);
      return index;
    case CB_GETLBTEXT:
      if (index < 0 || index >= combo->count()) return static_cast<LRESULT>(CB_ERR);
      return CopyText(combo->itemText(index), 0x7FFFFFFF, l);
    case CB_GETLBTEXTLEN:
      if (index < 0 || index >= combo->count()) return static_cast<LRESULT>(CB_ERR);
      return combo->itemText(index).toUtf8().size();
    case CB_FINDSTRING:
    case CB_FINDSTRINGEXACT: return FindPrefix(combo, index, Text(l), msg == CB_FINDSTRINGEXACT);
    case CB_SELECTSTRING: {
      int found = FindPrefix(combo, index, Text(l), false);
      if (found >= 0) combo->setCurrentIndex(found);
      return found;
    }
    case CB_SETITEMDATA:
      if (index < 0 || index >= combo->count()) return static_cast<LRESULT>(CB_ERR);
      combo->setItemData(index, QVariant::fromValue(static_cast<qlonglong>(l)));
      return TRUE;
    case CB_GETITEMDATA:
      if (index < 0 || index >= combo->count()) return static_cast<LRESULT>(CB_ERR);
      return static_cast<LRESULT>(combo->itemData(index).toLongLong());
    case CB_SHOWDROPDOWN:
      if (w)
        combo->showPopup();
      else
        combo->hidePopup();
      return TRUE;
    case CB_GETDROPPEDSTATE: return combo->view() && combo->view()->isVisible();
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      LRESULT r = DefWindowProc(h, msg, w, l);
      EventBridge::NotifyParent(h, msg == WM_SETFOCUS ? CBN_SETFOCUS : CBN_KILLFOCUS);
      return r;
    }
    default: return DefWindowProc(h, msg, w, l);
  }
}
}  // namespace

void RegisterComboBox() { Register("ComboBox", ComboProc, MakeCombo, CS_DBLCLKS); }
}  // namespace controls
