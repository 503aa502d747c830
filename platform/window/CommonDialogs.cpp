#include "platform/window/CommonDialogs.h"

#include "platform/services/Services.h"
#include "platform/window/WindowServices.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cstring>

namespace {

// The file dialog filter "Text (*.txt)|*.txt|All (*.*)|*.*||" in Qt's form,
// one entry a filter.
QStringList QtFilters(const CString& filter) {
  QStringList parts = QString::fromUtf8(filter.GetString()).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString patterns = parts[i + 1];
    out << parts[i] + " (" + patterns.replace(';', ' ') + ")";
  }
  return out;
}

HWND OwnerOf(CWnd* parent) { return parent ? parent->m_hWnd : nullptr; }

void Ask(CWnd* parent, CommonDialogRequest& request) {
  services::Current().CommonDialog(OwnerOf(parent), request);
}

void AskFile(QWidget* owner, CommonDialogRequest& r) {
  const QString title = QString::fromStdString(r.title);
  const QString start = QString::fromStdString(r.path);
  const QStringList filters = QtFilters(CString(r.filter.c_str()));
  const QString filter = filters.join(";;");
  QString selected = filters.value(r.filterIndex - 1);
  QString chosen = r.kind == CommonDialogRequest::Kind::OpenFile
                       ? QFileDialog::getOpenFileName(owner, title, start, filter, &selected)
                       : QFileDialog::getSaveFileName(owner, title, start, filter, &selected);
  r.accepted = !chosen.isEmpty();
  r.path = chosen.toStdString();
  if (const int index = static_cast<int>(filters.indexOf(selected)); index >= 0)
    r.filterIndex = index + 1;
}

void AskColor(QWidget* owner, CommonDialogRequest& r) {
  QColor chosen = QColorDialog::getColor(QColorOf(r.color), owner);
  r.accepted = chosen.isValid();
  r.color = ColorRefOf(chosen);
}

void AskFont(QWidget* owner, CommonDialogRequest& r) {
  bool ok = false;
  HFONT initial = CreateFontIndirect(&r.font);
  QFont chosen = QFontDialog::getFont(&ok, initial->font, owner);
  DeleteObject(initial);
  r.accepted = ok;
  if (!ok) return;
  std::strncpy(r.font.lfFaceName, chosen.family().toUtf8().constData(),
               sizeof(r.font.lfFaceName) - 1);
  r.font.lfHeight = -MulDiv(chosen.pointSize(), 96, 72);
  r.font.lfWeight = chosen.bold() ? 700 : 400;
  r.font.lfItalic = chosen.italic();
  r.font.lfUnderline = chosen.underline();
  r.font.lfStrikeOut = chosen.strikeOut();
}

// The print dialog chooses where pages go; here that is a PDF file.
void AskPrint(QWidget* owner, CommonDialogRequest& r) {
  QString chosen = QFileDialog::getSaveFileName(owner, "Print to PDF", QString(), "PDF (*.pdf)");
  r.accepted = !chosen.isEmpty();
  r.path = chosen.toStdString();
}
}  // namespace

void WindowServices::CommonDialog(HWND owner, CommonDialogRequest& request) {
  QWidget* widget = owner ? WidgetOf(owner) : nullptr;
  switch (request.kind) {
    case CommonDialogRequest::Kind::OpenFile:
    case CommonDialogRequest::Kind::SaveFile: AskFile(widget, request); break;
    case CommonDialogRequest::Kind::Color: AskColor(widget, request); break;
    case CommonDialogRequest::Kind::Font: AskFont(widget, request); break;
    case CommonDialogRequest::Kind::Print: AskPrint(widget, request); break;
  }
}

CFileDialog::CFileDialog(BOOL open, LPCSTR defaultExt, LPCSTR fileName, DWORD flags, LPCSTR filter,
                         CWnd* parent)
    : m_ofn{CString(), flags, 1},
      m_open(open),
      m_defaultExt(defaultExt ? defaultExt : ""),
      m_path(fileName ? fileName : ""),
      m_filter(filter ? filter : ""),
      m_parent(parent) {}

INT_PTR CFileDialog::DoModal() {
  CommonDialogRequest request(m_open ? CommonDialogRequest::Kind::OpenFile
                                     : CommonDialogRequest::Kind::SaveFile);
  request.path = m_path.GetString();
  request.filter = m_filter.GetString();
  request.title = m_ofn.lpstrTitle.GetString();
  request.filterIndex = static_cast<int>(m_ofn.nFilterIndex);
  Ask(m_parent, request);
  if (!request.accepted) return IDCANCEL;
  m_path = request.path.c_str();
  m_ofn.nFilterIndex = static_cast<DWORD>(request.filterIndex);
  if (!m_open && !m_defaultExt.IsEmpty() && QFileInfo(m_path.GetString()).suffix().isEmpty()) {
    m_path += ".";
    m_path += m_defaultExt;
  }
  return IDOK;
}

CString CFileDialog::GetFileName() const {
  return CString(QFileInfo(m_path.GetString()).fileName().toUtf8().constData());
}
CString CFileDialog::GetFileExt() const {
  return CString(QFileInfo(m_path.GetString()).suffix().toUtf8().constData());
}
CString CFileDialog::GetFileTitle() const {
  return CString(QFileInfo(m_path.GetString()).completeBaseName().toUtf8().constData());
}

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent)
    : m_cc{initial, flags}, m_parent(parent) {}

INT_PTR CColorDialog::DoModal() {
  CommonDialogRequest request(CommonDialogRequest::Kind::Color);
  request.color = m_cc.rgbResult;
  Ask(m_parent, request);
  if (!request.accepted) return IDCANCEL;
  m_cc.rgbResult = request.color;
  return IDOK;
}

CFontDialog::CFontDialog(const LOGFONT* initial, DWORD flags, CDC*, CWnd* parent)
    : m_parent(parent) {
  if (initial) m_lf = *initial;
  m_cf = {0, flags, &m_lf};
}

INT_PTR CFontDialog::DoModal() {
  CommonDialogRequest request(CommonDialogRequest::Kind::Font);
  request.font = m_lf;
  request.color = m_cf.rgbColors;
  Ask(m_parent, request);
  if (!request.accepted) return IDCANCEL;
  m_lf = request.font;
  m_cf.rgbColors = request.color;
  return IDOK;
}

int CFontDialog::GetSize() const {
  return MulDiv(m_lf.lfHeight < 0 ? -m_lf.lfHeight : m_lf.lfHeight, 720, 96);
}

CPrintDialog::CPrintDialog(BOOL, DWORD, CWnd* parent) : m_parent(parent) {}
CPrintDialog::~CPrintDialog() = default;

INT_PTR CPrintDialog::DoModal() {
  CommonDialogRequest request(CommonDialogRequest::Kind::Print);
  Ask(m_parent, request);
  if (!request.accepted) return IDCANCEL;
  m_path = request.path.c_str();
  m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  m_printer->setOutputFormat(QPrinter::PdfFormat);
  m_printer->setOutputFileName(QString::fromStdString(request.path));
  m_printer->setPageSize(QPageSize(QPageSize::A4));
  return IDOK;
}

namespace {
// A printer DC paints one page at a time; a new page starts after EndPage.
class PrinterContext : public DeviceContext {
 public:
  explicit PrinterContext(QPrinter* printer) : DeviceContext(printer, nullptr), printer_(printer) {}
  QPrinter* printer_;
  bool pageEnded = false;
};
}  // namespace

HDC CPrintDialog::CreatePrinterDC() {
  return m_printer ? new PrinterContext(m_printer.get()) : nullptr;
}

int StartDoc(HDC dc, const DOCINFO* info) {
  auto* printer = dynamic_cast<PrinterContext*>(dc);
  if (!printer) return -1;
  if (info && info->lpszDocName) {
    const QString name = QString::fromUtf8(info->lpszDocName);
    if (name != printer->printer_->docName()) {
      // The printer takes the name only while no document is open, and the
      // DC opened one; nothing is drawn yet, so it opens again under it.
      printer->Painter().end();
      printer->printer_->setDocName(name);
      printer->Retarget(printer->printer_);
    }
  }
  // The PDF file opens when painting begins: a file that cannot be written
  // leaves the painter inactive, and the document is refused.
  return printer->Painter().isActive() ? 1 : -1;
}

int StartPage(HDC dc) {
  auto* printer = dynamic_cast<PrinterContext*>(dc);
  if (!printer) return -1;
  if (printer->pageEnded) printer->printer_->newPage();
  printer->pageEnded = false;
  return 1;
}

int EndPage(HDC dc) {
  auto* printer = dynamic_cast<PrinterContext*>(dc);
  if (!printer) return -1;
  printer->pageEnded = true;
  return 1;
}

int EndDoc(HDC dc) {
  auto* printer = dynamic_cast<PrinterContext*>(dc);
  if (!printer) return -1;
  return printer->Painter().end() ? 1 : -1;
}

CPrintInfo::CPrintInfo() : m_pPD(std::make_unique<CPrintDialog>()) {}
CPrintInfo::~CPrintInfo() = default;
