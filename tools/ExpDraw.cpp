#include "tools/ExpDraw.h"

#include "platform/afx/StdioFile.h"
#include "platform/afx/Utf.h"
#include "tools/EquationDrawSimple.h"
#include "tools/EquationSampler.h"
#include "tools/ToolMessages.h"
#include "tools/ToolSupport.h"
#include "waveform/LogManager.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveGlobals.h"

#include <sys/stat.h>

namespace {

// Entry 0 stands for the typed text.
const char* const kFixedEquations[] = {
    "Please Select one Equation", "sin(x)", "sin(x+(pi/2))", "cos(x)", "log(x)",
    "sin(0.5*pi*x)*cos(x)"};

struct Symbol {
  const char* text;
  int position;  // as requested; a position past the end appends
};
const Symbol kSymbols[] = {
    {"sin()", 0}, {"cos()", 1}, {"abs()", 3}, {"sqrt()", 4},       {"e", 5},  {"log()", 6},
    {"pi", 7},    {"+", 8},     {"-", 9},     {"*", 10},           {"/", 11}, {"(", 12},
    {")", 13},    {"0-9", 14},  {".", 15},    {"x(Variable)", 16}, {"^", 21}};

}  // namespace

BEGIN_MESSAGE_MAP(CExpDraw, CToolDialog)
ON_BN_CLICKED(1203, OnAddToLibrary)
END_MESSAGE_MAP()

CExpDraw::CExpDraw() : CToolDialog(IDD, 1147, 1204), m_nPointCount(g_nPointCount) {}

void CExpDraw::DoDataExchange(CDataExchange* dx) {
  CToolDialog::DoDataExchange(dx);
  DDX_Control(dx, 1100, m_symbols);
  DDX_Text(dx, 1028, m_nPointCount);
  DDX_Text(dx, 1053, m_strEquation);
}

BOOL CExpDraw::OnInitDialog() {
  CToolDialog::OnInitDialog();
  FillList(1088, kFixedEquations, 6);
  try {
    m_parser.bindVariable(u"x", &m_x);
    m_parser.addConstant(u"pi", 3.14159265359);
    m_parser.addConstant(u"e", 2.718281828459045);
  } catch (const ExprException&) {
    AfxMessageBox("Fail to initialize math parser!");
    EndDialog(IDCANCEL);
    return TRUE;
  }
  const CString history = EquationHistoryPath();
  struct stat info {};
  if (::stat(history, &info) == 0) {
    CStdioFile file;
    if (file.Open(history, CFile::modeRead | CFile::typeText)) {
      CString line;
      while (file.ReadString(line)) {
        line.TrimRight('\r');  // a line ending in CR LF reads as one ending in LF
        if (!line.IsEmpty())
          SendDlgItemMessage(1088, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.GetString()));
      }
      file.Close();
    }
  }
  SelectIndex(1088, 0);
  for (const Symbol& symbol : kSymbols) m_symbols.InsertItem(symbol.position, symbol.text);
  // A plain list of symbols: no column header.
  if (CHeaderCtrl* header = m_symbols.GetHeaderCtrl()) header->ShowWindow(SW_HIDE);
  return TRUE;
}

void CExpDraw::OnDraw() {
  tools::LeaveDrawingModes();
  UpdateData(TRUE);
  g_nEvalPointCount = static_cast<unsigned int>(m_nPointCount);
  const int entry = CurSel(1088);
  CString expression = entry <= 0 ? m_strEquation : ListText(1088, entry);
  expression.Trim(' ');
  if (expression.IsEmpty() && entry <= 0) {
    tools::ShowText(318);
    return;
  }
  SetDlgItemText(1307, "");
  const unsigned int n = g_nPointCount > 0 ? static_cast<unsigned int>(g_nPointCount) : 0;
  bool finite = true;
  try {
    finite =
        SampleEquation(m_parser, m_x, AfxUtf8ToUtf16(expression.GetString()), n, g_EquationWave);
  } catch (const ExprException& error) {
    SetDlgItemText(1307, DescribeParserError(error).c_str());
    return;
  }
  // A value that is not a number (the logarithm of 0, an empty expression)
  // never reaches the waveform.
  if (!finite) {
    tools::ShowText(kMsgNotFinite);
    return;
  }
  tools::NotifyFrame(WM_APPLY_EQUATION, 0, 0);
  EndDialog(IDOK);
}

void CExpDraw::OnAddToLibrary() {
  UpdateData(TRUE);
  CString trimmed = m_strEquation;
  trimmed.Trim(' ');
  if (trimmed.IsEmpty()) return;  // a blank line is no equation
  {
    CLog_Manager log;
    log.AppendLine("Equations", m_strEquation, 0);
  }
  SendDlgItemMessage(1088, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m_strEquation.GetString()));
}

void CExpDraw::ReleaseWork() { m_parser.discardProgram(); }
