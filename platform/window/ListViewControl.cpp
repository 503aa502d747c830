#include "platform/window/DispatchGuard.h"
#include "platform/window/EventBridge.h"
#include "platform/window/Gdi.h"
#include "platform/window/ListView.h"
#include "platform/window/ScrollBars.h"
#include "platform/window/StandardControls.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>
#include <set>

namespace controls {
namespace {
QWidget*& AdoptedHeader() {
  static QWidget* header = nullptr;
  return header;
}

bool HasGridLines(HWND list);

// Each cell is first offered to the parent for its own drawing.
class CustomDrawDelegate : public QStyledItemDelegate {
 public:
  CustomDrawDelegate(HWND list, QObject* parent) : QStyledItemDelegate(parent), list_(list) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QWidget* widget = WidgetOf(list_);
    HWND parent = GetParent(list_);
    if (widget && parent) {
      auto* view = static_cast<QAbstractItemView*>(widget);
      QPoint offset = view->viewport()->mapTo(widget, QPoint(0, 0));
      painter->save();
      painter->translate(-offset);  // the DC speaks the list's client coordinates
      DeviceContext dc(painter);
      NMLVCUSTOMDRAW draw;
      draw.nmcd.hdr = NMHDR{list_, static_cast<UINT_PTR>(GetDlgCtrlID(list_)), NM_CUSTOMDRAW};
      draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT | CDDS_SUBITEM;
      draw.nmcd.hdc = &dc;
      draw.nmcd.rc = RectOf(option.rect.translated(offset));
      draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(index.row());
      draw.nmcd.lItemlParam =
          static_cast<LPARAM>(index.siblingAtColumn(0).data(Qt::UserRole).toLongLong());
      draw.iSubItem = index.column();
      LRESULT result = 0;
      DispatchGuard::RunGuarded([&] {
        result =
            SendMessage(parent, WM_NOTIFY, draw.nmcd.hdr.idFrom, reinterpret_cast<LPARAM>(&draw));
      });
      painter->restore();
      if (!(result & CDRF_SKIPDEFAULT)) {
        // A list without the focus shows its selection in the inactive
        // colours, as the platform's list does while an editor or another
        // control has the focus.
        QStyleOptionViewItem look = option;
        if (!widget->hasFocus()) look.state &= ~QStyle::State_Active;
        QStyledItemDelegate::paint(painter, look, index);
      }
    } else {
      QStyledItemDelegate::paint(painter, option, index);
    }
    // Drawn over the cell rather than by a style sheet: a style sheet takes
    // the list's colours and its selection highlight away.
    if (HasGridLines(list_)) {
      painter->save();
      painter->setPen(QColor(208, 208, 208));
      const QRect r = option.rect;
      painter->drawLine(r.topRight(), r.bottomRight());
      painter->drawLine(r.bottomLeft(), r.bottomRight());
      painter->restore();
    }
  }

 private:
  HWND list_;
};

// The list's header: sections marked owner-drawn are drawn by the header's parent.
class OwnerHeader : public QHeaderView {
 public:
  explicit OwnerHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}
  HWND window = nullptr;
  std::set<int> ownerDrawn;

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int section) const override {
    if (!window || !ownerDrawn.count(section))
      return QHeaderView::paintSection(painter, rect, section);
    DeviceContext dc(painter);
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_HEADER;
    dis.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
    dis.itemID = static_cast<UINT>(section);
    dis.itemAction = ODA_DRAWENTIRE;
    dis.hwndItem = window;
    dis.hDC = &dc;
    dis.rcItem = RectOf(rect);
    DispatchGuard::RunGuarded([&] {
      SendMessage(GetParent(window), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    });
  }
};

class ListWidget : public QTreeView {
 public:
  explicit ListWidget(QWidget* parent) : QTreeView(parent) {
    setHeader(new OwnerHeader(this));
    setModel(&model);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    // The platform's selection: white on the highlight colour while the list
    // has the focus, the window text on the button face while it has not
    // (the selection a list always shows).
    QPalette p = palette();
    p.setColor(QPalette::Active, QPalette::Highlight, QColor(0, 120, 215));
    p.setColor(QPalette::Active, QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Inactive, QPalette::Highlight, QColorOf(GetSysColor(COLOR_BTNFACE)));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               QColorOf(GetSysColor(COLOR_WINDOWTEXT)));
    setPalette(p);
  }
  QStandardItemModel model;
  DWORD extended = 0;
  HWND headerWindow = nullptr;
};

ListWidget* List(HWND h) { return As<ListWidget>(h); }

bool HasGridLines(HWND h) {
  const ListWidget* list = List(h);
  return list && (list->extended & LVS_EX_GRIDLINES);
}

void ReportScroll(HWND h, bool vertical, int action) {
  DispatchGuard::RunGuarded([&] {
    SendMessage(h, vertical ? WM_VSCROLL : WM_HSCROLL, scroll_detail::ScrollCodeOf(action), 0);
  });
}

QWidget* MakeList(HWND h, QWidget* parent) {
  auto* list = new ListWidget(parent);
  list->setItemDelegate(new CustomDrawDelegate(h, list));
  EventBridge::AttachPart(h, list->viewport());
  QObject::connect(list->verticalScrollBar(), &QAbstractSlider::actionTriggered,
                   [h](int action) { ReportScroll(h, true, action); });
  QObject::connect(list->horizontalScrollBar(), &QAbstractSlider::actionTriggered,
                   [h](int action) { ReportScroll(h, false, action); });
  return list;
}

LRESULT ListProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_CREATE) {
    // The header is a window of its own, so the creation hook sees it too.
    if (ListWidget* list = List(h)) {
      AdoptedHeader() = list->header();
      list->headerWindow = CreateWindowEx(0, "SysHeader32", "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0,
                                          h, nullptr, nullptr, nullptr);
      AdoptedHeader() = nullptr;
    }
  }
  return DefWindowProc(h, msg, w, l);
}

QWidget* MakeHeader(HWND, QWidget* parent) {
  QWidget* adopted = AdoptedHeader();
  return adopted ? adopted : new QHeaderView(Qt::Horizontal, parent);
}

LRESULT HeaderProc(HWND h, UINT msg, WPARAM w, LPARAM l) {
  auto* header = As<OwnerHeader>(h);
  const int index = static_cast<int>(w);
  switch (msg) {
    case WM_CREATE:
      if (header) header->window = h;
      break;
    case WM_SETTEXT: return TRUE;  // the header keeps its item texts only
    case HDM_GETITEMCOUNT: return header ? header->count() : -1;
    case HDM_SETITEM: {
      auto* item = reinterpret_cast<const HDITEM*>(l);
      if (!header || !item || index < 0 || index >= header->count()) return FALSE;
      if (item->mask & HDI_FORMAT) {
        if (item->fmt & HDF_OWNERDRAW)
          header->ownerDrawn.insert(index);
        else
          header->ownerDrawn.erase(index);
      }
      if ((item->mask & HDI_TEXT) && item->pszText && header->model())
        header->model()->setHeaderData(index, Qt::Horizontal, QString::fromUtf8(item->pszText));
      header->viewport()->update();
      return TRUE;
    }
    case HDM_GETITEM: {
      auto* item = reinterpret_cast<HDITEM*>(l);
      if (!header || !item || index < 0 || index >= header->count()) return FALSE;
      if (item->mask & HDI_FORMAT)
        item->fmt = HDF_STRING | (header->ownerDrawn.count(index) ? HDF_OWNERDRAW : 0);
      if ((item->mask & HDI_TEXT) && item->pszText && header->model())
        CopyText(header->model()->headerData(index, Qt::Horizontal).toString(),
                 static_cast<WPARAM>(item->cchTextMax), reinterpret_cast<LPARAM>(item->pszText));
      return TRUE;
    }
    default: break;
  }
  return DefWindowProc(h, msg, w, l);
}

QModelIndex Index(ListWidget* list, int row, int column) { return list->model.index(row, column); }

// Viewport rectangles in the list's own client coordinates.
RECT ClientRect(ListWidget* list, QRect r) {
  return RectOf(QRect(list->viewport()->mapTo(list, r.topLeft()), r.size()));
}
}  // namespace

void RegisterListView() {
  Register("SysListView32", ListProc, MakeList, CS_DBLCLKS);
  Register("SysHeader32", HeaderProc, MakeHeader);
}
}  // namespace controls

namespace listview {
using controls::List;

int InsertColumn(HWND h, int column, const QString& text, int format, int width) {
  auto* list = List(h);
  if (!list || column < 0) return -1;
  column = std::min(column, list->model.columnCount());
  list->model.insertColumn(column);
  auto* item = new QStandardItem(text);
  item->setTextAlignment(format == LVCFMT_RIGHT    ? Qt::AlignRight
                         : format == LVCFMT_CENTER ? Qt::AlignHCenter
                                                   : Qt::AlignLeft);
  list->model.setHorizontalHeaderItem(column, item);
  list->header()->resizeSection(column, width);
  return column;
}

bool DeleteColumn(HWND h, int column) {
  auto* list = List(h);
  return list && column >= 0 && column < list->model.columnCount() &&
         list->model.removeColumn(column);
}

int ColumnCount(HWND h) {
  auto* list = List(h);
  return list ? list->model.columnCount() : 0;
}

int ColumnWidth(HWND h, int column) {
  auto* list = List(h);
  return list && column >= 0 && column < list->model.columnCount()
             ? list->header()->sectionSize(column)
             : 0;
}

bool SetColumnWidth(HWND h, int column, int width) {
  auto* list = List(h);
  if (!list || column < 0 || column >= list->model.columnCount()) return false;
  list->header()->resizeSection(column, width);
  return true;
}

int InsertItem(HWND h, int row, const QString& text) {
  auto* list = List(h);
  if (!list || row < 0) return -1;
  row = std::min(row, list->model.rowCount());
  QList<QStandardItem*> cells;
  for (int c = 0; c < std::max(1, list->model.columnCount()); ++c)
    cells << new QStandardItem(c == 0 ? text : QString());
  for (auto* cell : cells) cell->setEditable(false);
  list->model.insertRow(row, cells);
  return row;
}

bool DeleteItem(HWND h, int row) {
  auto* list = List(h);
  return list && row >= 0 && row < list->model.rowCount() && list->model.removeRow(row);
}

bool DeleteAllItems(HWND h) {
  auto* list = List(h);
  if (!list) return false;
  list->model.removeRows(0, list->model.rowCount());
  return true;
}

int ItemCount(HWND h) {
  auto* list = List(h);
  return list ? list->model.rowCount() : 0;
}

bool SetItemText(HWND h, int row, int column, const QString& text) {
  auto* list = List(h);
  if (!list || row < 0 || row >= list->model.rowCount() || column < 0 ||
      column >= list->model.columnCount())
    return false;
  list->model.setData(controls::Index(list, row, column), text);
  return true;
}

QString ItemText(HWND h, int row, int column) {
  auto* list = List(h);
  if (!list) return {};
  return list->model.data(controls::Index(list, row, column)).toString();
}

bool SetItemData(HWND h, int row, LONG_PTR data) {
  auto* list = List(h);
  if (!list || row < 0 || row >= list->model.rowCount()) return false;
  list->model.setData(controls::Index(list, row, 0),
                      QVariant::fromValue(static_cast<qlonglong>(data)), Qt::UserRole);
  return true;
}

LONG_PTR ItemData(HWND h, int row) {
  auto* list = List(h);
  return list ? static_cast<LONG_PTR>(
                    list->model.data(controls::Index(list, row, 0), Qt::UserRole).toLongLong())
              : 0;
}

UINT ItemState(HWND h, int row, UINT mask) {
  auto* list = List(h);
  if (!list || row < 0 || row >= list->model.rowCount()) return 0;
  UINT state = 0;
  if (list->currentIndex().isValid() && list->currentIndex().row() == row) state |= LVIS_FOCUSED;
  if (list->selectionModel()->isRowSelected(row, QModelIndex())) state |= LVIS_SELECTED;
  return state & mask;
}

bool SetItemState(HWND h, int row, UINT state, UINT mask) {
  auto* list = List(h);
  if (!list) return false;
  auto* selection = list->selectionModel();
  auto apply = [&](int r) {
    QModelIndex index = controls::Index(list, r, 0);
    if (mask & LVIS_SELECTED)
      selection->select(index, ((state & LVIS_SELECTED) ? QItemSelectionModel::Select
                                                        : QItemSelectionModel::Deselect) |
                                   QItemSelectionModel::Rows);
    if ((mask & LVIS_FOCUSED) && (state & LVIS_FOCUSED))
      selection->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  };
  if (row == -1) {
    for (int r = 0; r < list->model.rowCount(); ++r) apply(r);
    return true;
  }
  if (row < 0 || row >= list->model.rowCount()) return false;
  apply(row);
  return true;
}

int NextItem(HWND h, int start, UINT flags) {
  for (int r = start + 1; r < ItemCount(h); ++r) {
    if (flags == LVNI_ALL) return r;
    if (ItemState(h, r, flags == LVNI_FOCUSED ? LVIS_FOCUSED : LVIS_SELECTED)) return r;
  }
  return -1;
}

DWORD ExtendedStyle(HWND h) {
  auto* list = List(h);
  return list ? list->extended : 0;
}

void SetExtendedStyle(HWND h, DWORD style) {
  auto* list = List(h);
  if (!list) return;
  list->extended = style;
  list->viewport()->update();
}

void SetColors(HWND h, COLORREF background, COLORREF text, COLORREF textBackground) {
  auto* list = List(h);
  if (!list) return;
  QPalette p = list->palette();
  p.setColor(QPalette::Base, QColorOf(background));
  p.setColor(QPalette::Text, QColorOf(text));
  p.setColor(QPalette::AlternateBase, QColorOf(textBackground));
  list->setPalette(p);
}

int HitTest(HWND h, POINT point) {
  auto* list = List(h);
  if (!list) return -1;
  QPoint inViewport = list->viewport()->mapFrom(list, QPoint(point.x, point.y));
  if (!list->viewport()->rect().contains(inViewport)) return -1;
  QModelIndex index = list->indexAt(inViewport);
  if (index.isValid()) return index.row();
  // Right of the last column the platform still finds the row.
  QModelIndex first = list->indexAt(QPoint(0, inViewport.y()));
  return first.isValid() ? first.row() : -1;
}

bool ItemRect(HWND h, int row, RECT* rect) {
  auto* list = List(h);
  if (!list || !rect || row < 0 || row >= list->model.rowCount()) return false;
  QRect r = list->visualRect(controls::Index(list, row, 0));
  int left = -list->horizontalScrollBar()->value();
  int width = list->header()->length();
  *rect = controls::ClientRect(list, QRect(left, r.top(), width, r.height()));
  return true;
}

bool SubItemRect(HWND h, int row, int column, RECT* rect) {
  auto* list = List(h);
  if (!list || !rect || row < 0 || row >= list->model.rowCount() || column < 0 ||
      column >= list->model.columnCount())
    return false;
  QRect r = list->visualRect(controls::Index(list, row, column));
  if (r.isEmpty()) {  // a row scrolled out of view still has its place
    QRect first = list->visualRect(controls::Index(list, row, 0));
    r = QRect(list->header()->sectionViewportPosition(column), first.top(),
              list->header()->sectionSize(column), first.height());
  }
  *rect = controls::ClientRect(list, r);
  return true;
}

bool EnsureVisible(HWND h, int row, bool) {
  auto* list = List(h);
  if (!list || row < 0 || row >= list->model.rowCount()) return false;
  list->scrollTo(controls::Index(list, row, 0), QAbstractItemView::EnsureVisible);
  return true;
}

int TopIndex(HWND h) {
  auto* list = List(h);
  if (!list) return 0;
  QModelIndex top = list->indexAt(QPoint(1, 1));
  return top.isValid() ? top.row() : 0;
}

int CountPerPage(HWND h) {
  auto* list = List(h);
  if (!list) return 0;
  int rowHeight =
      list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height() + 4;
  return list->viewport()->height() / rowHeight;
}

HWND Header(HWND h) {
  auto* list = List(h);
  return list ? list->headerWindow : nullptr;
}
}  // namespace listview
