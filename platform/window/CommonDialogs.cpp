#include "platform/window/CommonDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <cstring>

namespace {
UiScript::CommonDialogHandler& Handler() {
  static UiScript::CommonDialogHandler handler;
  return handler;
}

// The file dialog filter "Text (*.txt)|*.txt|All (*.*)|*.*||" in Qt's form.
QString QtFilter(const CString& filter) {
  QStringList parts = QString::fromUtf8(filter.GetString()).split('|');
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString patterns = parts[i + 1];
    out << parts[i] + " (" + patterns.replace(';', ' ') + ")";
  }
  return out.join(";;");
}

bool Ask(CommonDialogRequest& request) {
  if (!Handler()) return false;
  Handler()(request);
  return true;
}
}  // namespace

namespace UiScript {
CommonDialogHandler SetCommonDialogHandler(CommonDialogHandler handler) {
  return std::exchange(Handler(), std::move(handler));
}
}  // namespace UiScript

CFileDialog::CFileDialog(BOOL open, LPCSTR defaultExt, LPCSTR fileName, DWORD flags, LPCSTR filter,
                         CWnd* parent)
    : m_ofn{CString(), flags},
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
  if (!Ask(request)) {
    QWidget* owner = m_parent ? WidgetOf(m_parent->m_hWnd) : nullptr;
    QString title = QString::fromUtf8(m_ofn.lpstrTitle.GetString());
    QString chosen =
        m_open
            ? QFileDialog::getOpenFileName(owner, title, request.path.c_str(), QtFilter(m_filter))
            : QFileDialog::getSaveFileName(owner, title, request.path.c_str(), QtFilter(m_filter));
    request.accepted = !chosen.isEmpty();
    request.path = chosen.toStdString();
  }
  if (!request.accepted) return IDCANCEL;
  m_path = request.path.c_str();
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
  if (!Ask(request)) {
    QColor chosen = QColorDialog::getColor(QColorOf(m_cc.rgbResult),
                                           m_parent ? WidgetOf(m_parent->m_hWnd) : nullptr);
    request.accepted = chosen.isValid();
    request.color = ColorRefOf(chosen);
  }
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
  if (!Ask(request)) {
    bool ok = false;
    HFONT initial = CreateFontIndirect(&m_lf);
    QFont chosen =
        QFontDialog::getFont(&ok, initial->font, m_parent ? WidgetOf(m_parent->m_hWnd) : nullptr);
    DeleteObject(initial);
    request.accepted = ok;
    if (ok) {
      std::strncpy(request.font.lfFaceName, chosen.family().toUtf8().constData(),
                   sizeof(request.font.lfFaceName) - 1);
      request.font.lfHeight = -MulDiv(chosen.pointSize(), 96, 72);
      request.font.lfWeight = chosen.bold() ? 700 : 400;
      request.font.lfItalic = chosen.italic();
      request.font.lfUnderline = chosen.underline();
      request.font.lfStrikeOut = chosen.strikeOut();
    }
  }
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
  if (!Ask(request)) {
    QString chosen = QFileDialog::getSaveFileName(m_parent ? WidgetOf(m_parent->m_hWnd) : nullptr,
                                                  "Print to PDF", QString(), "PDF (*.pdf)");
    request.accepted = !chosen.isEmpty();
    request.path = chosen.toStdString();
  }
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
  if (info && info->lpszDocName)
    printer->printer_->setDocName(QString::fromUtf8(info->lpszDocName));
  return 1;
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
  printer->Painter().end();
  return 1;
}

CPrintInfo::CPrintInfo() : m_pPD(std::make_unique<CPrintDialog>()) {}
CPrintInfo::~CPrintInfo() = default;
