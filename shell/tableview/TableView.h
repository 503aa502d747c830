#pragma once
// CTable_view (dialog 501): the samples of the active waveform as a table of
// sample numbers and values, 1024 rows a page, edited in place, with the
// waveform's name and frequency and a preview graph. Edits go to a working
// copy; OK writes everything back into the record and tells the main window
// (WM_WAVE_UPDATE with the record's index). The main frame's table command
// and the instrument send dialog open it, modally and without a parent.
//
// OK and Preview take the page on screen into the working copy first, and
// refuse a cell that holds no number (580) and a sample outside ±10 V (316):
// nothing wrong is ever stored. Enter in the page box goes to that page;
// elsewhere outside a cell editor it is OK. Esc, the close box and Cancel
// leave the record as it was.

#include "platform/window/WindowSide.h"

#include "controls/CSgGraph.h"
#include "platform/window/Controls.h"
#include "platform/window/Dialog.h"
#include "shell/base/ListCtrlCB.h"
#include "shell/tableview/TableEdits.h"

class CTable_view : public CDialog {
 public:
  static constexpr UINT IDD = 501;
  enum : UINT {
    IDC_NAME = 1325,
    IDC_GRID = 1326,
    IDC_POINTS = 1330,
    IDC_FREQUENCY = 1331,
    IDC_PREVIEW = 1332,
    IDC_OK = 1333,
    IDC_CANCEL = 1334,
    IDC_GRAPH = 1335,
    IDC_UNIT = 1336,
    IDC_PAGE = 1337,
    IDC_SPIN = 1339
  };

  explicit CTable_view(CWnd* parent = nullptr);
  ~CTable_view() override;

  void DoDataExchange(CDataExchange* dx) override;
  BOOL OnInitDialog() override;
  // Enter outside a cell editor: the OK button's action, never a plain end.
  void OnOK() override;
  // Enter in the page box: the page typed there.
  BOOL PreTranslateMessage(MSG* msg) override;
  void OnCancel() override;

  void OnPreview();
  void OnOkButton();
  void OnCancelButton() { OnCancel(); }
  void OnPageChanged();
  void OnSpinDelta(NMHDR* header, LRESULT* result);

  // The record being edited (-1: none) and the page shown.
  int RecordIndex() const { return m_nRecord; }
  int Page() const { return m_nPage; }
  int PageCount() const { return m_nPageCount; }
  const SG::CSgScalarVector<float>& WorkingCopy() const { return m_WorkData; }

 protected:
  DECLARE_MESSAGE_MAP()

 private:
  // The grid's columns and the rows of the page.
  void SetupGrid();
  void FillPage();
  // The rows on screen into the working copy; false (with message 580 shown)
  // when a value cell holds no number, and then nothing is stored.
  bool WriteBackPage();
  // Preview's checks and plot; false when it stopped.
  bool PreviewChecked();
  void ShowWaveform();
  void ShowPageNumber(int page);
  void ShowYRange(double minimum, double maximum);
  double FrequencyTyped() const;

  SG::CSgGraph m_Graph{2};
  CListCtrlCB m_Grid;
  CComboBox m_UnitList;
  CSpinButtonCtrl m_Spin;
  SG::CSgScalarVector<float> m_WorkData;
  int m_nRecord = -1;
  int m_nPoints = 0;
  double m_dAmplitude = 0.0;
  int m_nBits = 14;
  double m_dFrequency = 0.0;
  int m_nPage = 1;
  int m_nPageCount = 1;
  TableExtremes m_Extremes;
  CString m_strName;
};
