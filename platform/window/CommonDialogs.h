#pragma once
// The common dialogs (file, colour, font, print) and printing. Each dialog
// asks the services in place (platform/services/Services.h): the real one
// over Qt, or a test's fake that answers from its script.

#include "platform/window/WindowSide.h"

#include "platform/afx/String.h"
#include "platform/window/Dc.h"
#include "platform/window/Wnd.h"

#include <memory>

class QPrinter;

enum : DWORD {
  OFN_READONLY = 0x1,
  OFN_OVERWRITEPROMPT = 0x2,
  OFN_HIDEREADONLY = 0x4,
  OFN_PATHMUSTEXIST = 0x800,
  OFN_FILEMUSTEXIST = 0x1000
};
enum : DWORD { CC_RGBINIT = 0x1, CC_FULLOPEN = 0x2 };
enum : DWORD { CF_SCREENFONTS = 0x1, CF_EFFECTS = 0x100, CF_INITTOLOGFONTSTRUCT = 0x40 };

class CFileDialog {
 public:
  CFileDialog(BOOL openFileDialog, LPCSTR defaultExt = nullptr, LPCSTR fileName = nullptr,
              DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCSTR filter = nullptr,
              CWnd* parent = nullptr);
  virtual ~CFileDialog() = default;
  virtual INT_PTR DoModal();
  CString GetPathName() const { return m_path; }
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  struct {
    CString lpstrTitle;
    DWORD Flags;
    DWORD nFilterIndex;  // the filter offered first and, after OK, the one chosen (from 1)
  } m_ofn;

 private:
  BOOL m_open;
  CString m_defaultExt, m_path, m_filter;
  CWnd* m_parent;
};

class CColorDialog {
 public:
  explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);
  virtual ~CColorDialog() = default;
  virtual INT_PTR DoModal();
  COLORREF GetColor() const { return m_cc.rgbResult; }
  struct {
    COLORREF rgbResult;
    DWORD Flags;
  } m_cc;

 private:
  CWnd* m_parent;
};

class CFontDialog {
 public:
  explicit CFontDialog(const LOGFONT* initial = nullptr, DWORD flags = CF_SCREENFONTS | CF_EFFECTS,
                       CDC* printer = nullptr, CWnd* parent = nullptr);
  virtual ~CFontDialog() = default;
  virtual INT_PTR DoModal();
  void GetCurrentFont(LOGFONT* lf) const { *lf = m_lf; }
  CString GetFaceName() const { return CString(m_lf.lfFaceName); }
  int GetSize() const;  // tenths of a point
  int GetWeight() const { return m_lf.lfWeight; }
  BOOL IsItalic() const { return m_lf.lfItalic; }
  BOOL IsUnderline() const { return m_lf.lfUnderline; }
  BOOL IsStrikeOut() const { return m_lf.lfStrikeOut; }
  COLORREF GetColor() const { return m_cf.rgbColors; }
  LOGFONT m_lf;
  struct {
    COLORREF rgbColors;
    DWORD Flags;
    LOGFONT* lpLogFont;
  } m_cf;

 private:
  CWnd* m_parent;
};

// The print dialog's flags; the dialog here takes them and asks only for
// where the pages go.
enum : DWORD {
  PD_ALLPAGES = 0x0,
  PD_NOSELECTION = 0x4,
  PD_NOPAGENUMS = 0x8,
  PD_USEDEVMODECOPIES = 0x40000,
  PD_HIDEPRINTTOFILE = 0x100000
};

// The print dialog chooses where pages go; here that is a PDF file.
class CPrintDialog {
 public:
  explicit CPrintDialog(BOOL printSetupOnly = FALSE, DWORD flags = 0, CWnd* parent = nullptr);
  virtual ~CPrintDialog();
  virtual INT_PTR DoModal();
  // A DC drawing on the chosen printer (a PDF writer); null before DoModal.
  HDC CreatePrinterDC();
  CString GetOutputPath() const { return m_path; }
  std::unique_ptr<QPrinter> m_printer;

 private:
  CString m_path;
  CWnd* m_parent;
};

struct DOCINFO {
  LPCSTR lpszDocName = nullptr;
  LPCSTR lpszOutput = nullptr;
};
int StartDoc(HDC dc, const DOCINFO* info);
int StartPage(HDC dc);
int EndPage(HDC dc);
int EndDoc(HDC dc);

class CPrintInfo {
 public:
  CPrintInfo();
  ~CPrintInfo();
  void SetMaxPage(UINT page) { m_nMaxPage = page; }
  UINT GetMaxPage() const { return m_nMaxPage; }
  void SetMinPage(UINT page) { m_nMinPage = page; }
  UINT GetMinPage() const { return m_nMinPage; }
  std::unique_ptr<CPrintDialog> m_pPD;
  BOOL m_bPreview = FALSE;
  BOOL m_bContinuePrinting = TRUE;
  UINT m_nCurPage = 1;
  UINT m_nMinPage = 1, m_nMaxPage = 1;
  CRect m_rectDraw;
};
