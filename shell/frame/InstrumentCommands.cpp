#include "shell/frame/InstrumentCommands.h"

#include "instrument/LinkState.h"

namespace {
// The connection dialog (and the dialogs its OK opens) belong to the
// instrument dialogs; until they are part of the program, a transfer
// records its direction and opens nothing.
void RunConnectionDialog() {}
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

void RunStepTest() {}
