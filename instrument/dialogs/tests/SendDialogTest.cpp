// The send dialog end to end: the connection dialog's search, the send
// dialog's choices and checks, and what the simulated generator stored.
#include "DialogFixture.h"

#include "instrument/dialogs/WaveSendDlg.h"
#include "waveform/WaveCollections.h"

namespace dialogtest {
namespace {

class SendDialog : public DialogFixture {};

TEST_F(SendDialog, Smoke) {
  auto gen = AttachUsbtmc(Generator("KRV1000"));
  g_WaveArray.Add(PatternWave("ramp", 16384, 1000, 1.0));
  OpenWindow();
  RunConnection(1, 0, [&](HWND d) { ui_test::ClickCenter(Item(d, 1246)); });
  EXPECT_EQ(Boxes(), std::vector<std::string>{});
  auto slot = gen->Slot("M50");
  ASSERT_TRUE(slot);
  EXPECT_EQ(slot->data, PatternCodes(16384, false));
  EXPECT_EQ(slot->name, "ramp");
}

}  // namespace
}  // namespace dialogtest
