// The connection dialog: its choices kept for the run, the address checked
// before anything is searched, the connected flag of this search, a host that
// never answers, and the raw-USB connect dialog no command opens.
#include "DialogFixture.h"

#include "instrument/dialogs/ConnectSetDlg.h"
#include "instrument/dialogs/ConnectTypeDlg.h"
#include "instrument/dialogs/ReadWaveDlg.h"
#include "platform/usb/RawUsbDriver.h"
#include "platform/window/Dialogs.h"
#include "waveform/PrivateMessages.h"

#include <QApplication>
#include <QCursor>
#include <QWidget>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace dialogtest::connect {
namespace {

using enum CConnectTypeDLG::Control;
using Set = CConnect_setDLG;

class ConnectDialog : public DialogFixture {
 protected:
  static void CancelRead(HWND d) { ui_test::ClickCenter(Item(d, CReadWaveDLG::IDC_CANCEL_BUTTON)); }
  // Runs the connection dialog with one script of its own.
  void RunOwn(std::function<void(HWND)> script) {
    dialogs.Expect(std::move(script));
    CConnectTypeDLG connection(nullptr);
    connection.DoModal();
  }
};

TEST(DottedAddress, FourNumbersFromZeroTo255) {
  struct Row {
    const char* typed;
    const char* address;  // null: refused
  };
  const Row rows[] = {
      {"192.168.1.10", "192.168.1.10"},
      {" 10.0.0.1 ", "10.0.0.1"},
      {"010.001.000.255", "10.1.0.255"},  // never read as octal
      {"", nullptr},
      {"0.0.0.0", nullptr},  // what an empty address control shows
      {"1.2.3", nullptr},
      {"1.2.3.4.5", nullptr},
      {"256.1.1.1", nullptr},
      {"1..2.3", nullptr},
      {"a.b.c.d", nullptr},
      {"1.2.3.4x", nullptr},
      {"-1.2.3.4", nullptr},
      {"1.2.3.1000", nullptr},
      {"host.example", nullptr},
  };
  for (const Row& row : rows) {
    const auto address = DottedAddress(row.typed);
    if (row.address)
      EXPECT_EQ(address.value_or("refused"), row.address) << row.typed;
    else
      EXPECT_FALSE(address) << row.typed;
  }
}

// The last choice and address of the run come back; Enter in the address
// ends the dialog without a search.
TEST_F(ConnectDialog, ReopensWithTheLastChoiceAndEnterSearchesNothing) {
  auto gen = Generator("KRV1000");
  ServeOverVxi11(gen);
  RunConnectionTo("127.0.0.1", 0, 0, CancelRead);
  EXPECT_EQ(g_LinkIpAddress, "127.0.0.1");
  gen->ClearLog();
  RunOwn([&](HWND d) {
    EXPECT_TRUE(IsDlgButtonChecked(d, IDC_IP));
    EXPECT_FALSE(IsDlgButtonChecked(d, IDC_USBTMC));
    EXPECT_EQ(TextOf(Item(d, IDC_ADDRESS)), "127.0.0.1");
    ui_test::PressKey(Item(d, IDC_ADDRESS), Qt::Key_Return);
    EXPECT_TRUE(DialogHasEnded(d));
  });
  EXPECT_TRUE(gen->Log().empty());
  RunOwn([&](HWND d) { ui_test::PressKey(Item(d, IDC_ADDRESS), Qt::Key_Escape); });
  EXPECT_TRUE(gen->Log().empty());
}

// A malformed address is refused before any search, and the dialog stays for
// the correction.
TEST_F(ConnectDialog, AMalformedAddressIsRefusedBeforeAnySearch) {
  auto gen = Generator("KRV1000");
  ServeOverVxi11(gen);
  g_LinkDirection = 0;
  dialogs.Expect([&](HWND d) {
    ui_test::ClickCenter(Item(d, IDC_IP));
    for (const char* typed : {"", "127.0.0", "127.0.0.300"}) {
      SetWindowText(Item(d, IDC_ADDRESS), typed);
      ui_test::ClickCenter(Item(d, IDC_CONNECT));
      EXPECT_FALSE(DialogHasEnded(d)) << typed;
    }
    EXPECT_EQ(g_VisaDefaultRM, 0u);  // no search began
    SetWindowText(Item(d, IDC_ADDRESS), "127.0.0.1");
    ui_test::ClickCenter(Item(d, IDC_CONNECT));
  });
  dialogs.Expect(CancelRead);
  CConnectTypeDLG connection(nullptr);
  connection.DoModal();
  EXPECT_EQ(Boxes(), (std::vector<std::string>(3, "text 614")));
  EXPECT_TRUE(g_InstrumentConnected);
}

// The flag says what this search found; a raw-USB device that is not a
// generator is not one.
TEST_F(ConnectDialog, TheConnectedFlagFollowsTheSearch) {
  g_InstrumentConnected = true;
  RunConnection(0, 0, nullptr);
  EXPECT_FALSE(g_InstrumentConnected);
  usbDriver->Attach(std::make_shared<sim::SimScope>());
  RunConnection(1, 0, nullptr);
  EXPECT_FALSE(g_InstrumentConnected);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"text 338", "text 338"}));
  AttachUsbtmc(Generator("KRV800"));
  RunConnection(0, 0, CancelRead);
  EXPECT_TRUE(g_InstrumentConnected);
}

// An instrument that does not identify itself (no answer, a late one, a
// refused write, a lost link) ends the connection in a message saying why,
// on every wire and in both directions; no send or read dialog opens.
TEST_F(ConnectDialog, AnInstrumentThatDoesNotIdentifyItselfEndsTheConnection) {
  enum class Wire { Usbtmc, Network, RawUsb };
  struct Row {
    const char* name;
    Wire wire;
    bool sim::SimFaults::*fault;
    const char* cause;
  };
  const Row rows[] = {
      {"no answer", Wire::Usbtmc, &sim::SimFaults::noReply, "text 601"},
      {"a late answer", Wire::Usbtmc, &sim::SimFaults::delayPastTimeout, "text 601"},
      {"a refused write", Wire::Usbtmc, &sim::SimFaults::refuseWrite, "text 603"},
      {"unplugged", Wire::Usbtmc, &sim::SimFaults::dropConnection, "text 600"},
      {"no answer", Wire::Network, &sim::SimFaults::noReply, "text 601"},
      {"a refused write", Wire::Network, &sim::SimFaults::refuseWrite, "text 603"},
      {"a dropped link", Wire::Network, &sim::SimFaults::dropConnection, "text 600"},
      {"no answer", Wire::RawUsb, &sim::SimFaults::noReply, "text 601"},
      {"a refused write", Wire::RawUsb, &sim::SimFaults::refuseWrite, "text 603"},
      {"unplugged", Wire::RawUsb, &sim::SimFaults::dropConnection, "text 603"},
  };
  fake.SetText(624, "The instrument did not identify itself: ##.");
  for (const Row& row : rows) {
    for (int direction : {0, 1}) {
      SCOPED_TRACE(std::string(row.name) + (direction ? ", send" : ", read"));
      ResetLinkState();
      Boxes().clear();
      usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
      visa::SetUsbtmcSystem(usbtmc);
      usbDriver = std::make_shared<sim::FakeRawUsbDriver>();
      rawusb::SetRawUsbDriver(usbDriver);
      auto gen = Generator("KRV1000");
      sim::SimFaults faults;
      faults.*row.fault = true;
      gen->SetFaults(faults);
      if (row.wire == Wire::Network) {
        ServeOverVxi11(gen);
        RunConnectionTo("127.0.0.1", direction, 0, nullptr);
      } else {
        if (row.wire == Wire::Usbtmc)
          AttachUsbtmc(gen);
        else
          usbDriver->Attach(gen);
        RunConnection(direction, 0, nullptr);
      }
      EXPECT_EQ(Boxes(), std::vector<std::string>{"The instrument did not identify itself: " +
                                                  std::string(row.cause) + "."});
      EXPECT_FALSE(g_InstrumentConnected);
    }
  }
}

// Only generators of a known family are offered: an oscilloscope on the same
// bus is left out of the list, and an instrument of no known family alone
// ends the connection with the message that says so.
TEST_F(ConnectDialog, OnlyGeneratorsOfAKnownFamilyAreOffered) {
  usbtmc->Attach(std::make_shared<sim::SimScope>(), 0x1234, 0x0200, "SC1");
  AttachUsbtmc(Generator("KRV1000"));
  for (int direction : {0, 1}) {
    RunConnection(direction, 0, [&](HWND d) {
      const auto devices = Entries(Item(d, CReadWaveDLG::IDC_DEVICES));
      ASSERT_EQ(devices.size(), 1u);
      EXPECT_EQ(devices[0].rfind("KRV1000.", 0), 0u);
      SendMessage(d, WM_CLOSE, 0, 0);
    });
  }

  for (const char* model : {"scope", "ZG9"}) {
    SCOPED_TRACE(model);
    usbtmc = std::make_shared<sim::FakeUsbtmcSystem>();
    visa::SetUsbtmcSystem(usbtmc);
    if (std::string(model) == "scope") {
      usbtmc->Attach(std::make_shared<sim::SimScope>(), 0x1234, 0x0200, "SC1");
    } else {
      sim::GeneratorIdentity unknown;
      unknown.model = unknown.prodModel = model;
      AttachUsbtmc(Generator("KRV1000", unknown));
    }
    for (int direction : {0, 1}) {
      Boxes().clear();
      RunConnection(direction, 0, nullptr);
      EXPECT_EQ(Boxes(), std::vector<std::string>{"text 617"});
      EXPECT_FALSE(g_InstrumentConnected);
    }
  }
}

// A host that takes no connection (here a listener whose backlog is full)
// fails within the open time-out, not the system's minutes.
TEST_F(ConnectDialog, AnUnansweredAddressFailsWithinTheOpenTimeOut) {
  const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ASSERT_EQ(::listen(listener, 0), 0);
  socklen_t size = sizeof addr;
  ::getsockname(listener, reinterpret_cast<sockaddr*>(&addr), &size);
  const int filler = ::socket(AF_INET, SOCK_STREAM, 0);  // takes the one place in the queue
  ASSERT_EQ(::connect(filler, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  visa::SetPortmapperPort(ntohs(addr.sin_port));
  visa::SetOpenTimeoutMs(50);
  g_InstrumentConnected = true;
  RunConnectionTo("127.0.0.1", 0, 0, nullptr);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 338"});
  EXPECT_FALSE(g_InstrumentConnected);
  ::close(filler);
  ::close(listener);
}

// The network search asks the one VISA resource; raw-USB devices are neither
// counted nor scanned.
TEST_F(ConnectDialog, TheNetworkSearchLeavesRawUsbAlone) {
  usbDriver->Attach(Generator("KRV1000"));
  ServeOverVxi11(Generator("KRV1000X"));
  RunConnectionTo("127.0.0.1", 0, 0, [&](HWND d) {
    const auto devices = Entries(Item(d, CReadWaveDLG::IDC_DEVICES));
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].rfind("KRV1000X.", 0), 0u);
    CancelRead(d);
  });
  EXPECT_TRUE(g_UsbGenerators[0].producer.IsEmpty());
  EXPECT_EQ(g_UsbDeviceCount, 0);
}

// An instrument that never answers: the search waits on it under the wait
// cursor, with the windows painted before the wait (the frame's pending
// repaint is done before the first pause), and ends with its message under
// the normal pointer.
TEST_F(ConnectDialog, TheSearchWaitsUnderTheWaitCursorAndEndsWithItsMessage) {
  struct Watching : services::FakeServices {
    // The pointer at each pause of the search, and the frame's paints by then.
    void Sleep(DWORD milliseconds) override {
      const QCursor* over = QApplication::overrideCursor();
      pauses.push_back({over ? over->shape() : -1, paints});
      FakeServices::Sleep(milliseconds);
    }
    int MessageBox(HWND owner, const MessageBoxCall& call) override {
      const QCursor* over = QApplication::overrideCursor();
      atBox = over ? over->shape() : -1;
      return FakeServices::MessageBox(owner, call);
    }
    std::vector<std::pair<int, int>> pauses;
    int atBox = -2;
    int paints = 0;
  } watching;
  watching.SetTextSource([](int id) { return "text " + std::to_string(id); });
  watching.AnswerUnscriptedBoxes();
  struct PaintCount : QObject {
    explicit PaintCount(int& n) : n_(n) {}
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++n_;
      return false;
    }
    int& n_;
  } count(watching.paints);
  WidgetOf(main->m_hWnd)->installEventFilter(&count);

  auto mute = Generator("KRV1000");
  sim::SimFaults faults;
  faults.noReply = true;
  mute->SetFaults(faults);
  usbDriver->Attach(mute);
  g_LinkDirection = 0;
  g_ImportFromScope = 0;
  ScriptedDialogs scripted;
  scripted.Expect([&](HWND d) {
    ui_test::ClickCenter(GetDlgItem(d, CConnectTypeDLG::IDC_USBTMC));
    InvalidateRect(main->m_hWnd, nullptr, TRUE);
    watching.paints = 0;
    HWND connect = GetDlgItem(d, CConnectTypeDLG::IDC_CONNECT);  // pressed without a pump
    SendMessage(d, WM_COMMAND, MAKEWPARAM(CConnectTypeDLG::IDC_CONNECT, BN_CLICKED),
                reinterpret_cast<LPARAM>(connect));
  });
  CConnectTypeDLG connection(nullptr);
  connection.DoModal();
  WidgetOf(main->m_hWnd)->removeEventFilter(&count);

  ASSERT_FALSE(watching.pauses.empty());
  for (auto [shape, paints] : watching.pauses) {
    EXPECT_EQ(shape, Qt::WaitCursor);
    EXPECT_GT(paints, 0);
  }
  EXPECT_EQ(watching.atBox, -1);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  // The mute instrument is named as the cause: it did not identify itself.
  EXPECT_EQ(watching.BoxTexts(), std::vector<std::string>{"text 624"});
  EXPECT_FALSE(g_InstrumentConnected);
}

// The import path hands the address over and searches nothing itself.
TEST_F(ConnectDialog, TheImportGetsTheAddressOrNoneForUsb) {
  g_ScopeIpAddress = "10.0.0.9";
  RunConnection(0, 1, nullptr);  // no oscilloscope: the import ends at once
  EXPECT_EQ(g_ScopeIpAddress, "");
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 321"});
  EXPECT_FALSE(g_InstrumentConnected);
}

// The raw-USB connect dialog: a device loaded is the connection shown in
// the coordinate bar; a refused one is reported and the dialog still ends.
TEST_F(ConnectDialog, TheRawUsbConnectDialogLoadsAndUnloads) {
  usbDriver->Attach(Generator("KRV1000"));
  auto run = [&](int button, int number) {
    dialogs.Expect([=](HWND d) {
      EXPECT_FALSE(IsWindowEnabled(Item(d, Set::IDC_SERIAL_LIST)));
      ui_test::ClickCenter(
          Item(d, Set::IDC_PORT_SERIAL));  // the hidden serial settings follow their radio
      EXPECT_TRUE(IsWindowEnabled(Item(d, Set::IDC_SERIAL_LIST)));
      EXPECT_FALSE(IsWindowEnabled(Item(d, Set::IDC_PORT_USB_LIST)));
      Choose(Item(d, Set::IDC_NUMBER), number);
      ui_test::ClickCenter(Item(d, button));
      EXPECT_TRUE(DialogHasEnded(d));
    });
    CConnect_setDLG dialog(nullptr);
    return dialog.DoModal();
  };
  EXPECT_EQ(run(Set::IDC_CONNECT, 0), IDOK);
  EXPECT_TRUE(g_InstrumentConnected);
  EXPECT_EQ(usbDriver->Current(), 0);
  EXPECT_EQ(run(Set::IDC_DISCONNECT, 0), IDCANCEL);
  EXPECT_FALSE(g_InstrumentConnected);
  EXPECT_EQ(usbDriver->Current(), -1);
  EXPECT_EQ(FrameLog(), (std::vector<Received>(2, {WM_LINK_STATE, 0})));
  EXPECT_EQ(run(Set::IDC_CONNECT, 1), IDOK);  // no second device
  EXPECT_EQ(Boxes(), std::vector<std::string>{"text 300"});
  EXPECT_FALSE(g_InstrumentConnected);
}

}  // namespace
}  // namespace dialogtest::connect
