#include "shell/frame/InstrumentCommands.h"

#include "instrument/LinkState.h"
#include "instrument/dialogs/ConnectTypeDlg.h"
#include "instrument/dialogs/StepTestDlg.h"

namespace {
// The connection dialog runs without a parent; its OK opens the send, read
// or import dialog as the link-state globals say.
void RunConnectionDialog() {
  CConnectTypeDLG dialog(nullptr);
  dialog.DoModal();
}
}  // namespace

void StartSendToGenerator() {
  g_LinkDirection = 1;
  g_ImportFromScope = 0;
  RunConnectionDialog();
}

void StartReadFromGenerator() {
  g_LinkDirection = 0;
  g_ImportFromScope = 0;
  RunConnectionDialog();
}

void StartImportFromScope() {
  g_ImportFromScope = 1;
  RunConnectionDialog();
}

void RunStepTest() {
  CTest_Read_Send_ByStep dialog(nullptr);
  dialog.DoModal();
}
