#include "shell/frame/EditorSeams.h"

#include "instrument/dialogs/TableViewSeam.h"
#include "shell/tableview/TableView.h"
#include "tools/XYpoint_Drawdlg.h"
#include "waveform/view/PelmoranView.h"

void InstallEditorSeams() {
  CPelmoranView::SetPointDialogRunner([](int pointCount) {
    CXYpoint_Drawdlg dialog;
    dialog.m_nPointCount = pointCount;
    dialog.DoModal();
  });
  SetTableViewOpener([] {
    CTable_view view(nullptr);
    view.DoModal();
  });
}
