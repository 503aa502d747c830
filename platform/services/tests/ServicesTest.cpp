#include "platform/afx/Exception.h"
#include "platform/afx/tests/TempFolder.h"
#include "platform/services/tests/FakeServices.h"
#include "platform/win/ShellExecute.h"
#include "platform/win/Sleep.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

using services::FakeServices;

namespace {

TEST(Services, TheDefaultIsInPlaceAndInstallationsNest) {
  services::Services& basic = services::Current();
  EXPECT_NE(dynamic_cast<services::BasicServices*>(&basic), nullptr);
  {
    FakeServices outer;
    EXPECT_EQ(&services::Current(), &outer);
    EXPECT_EQ(FakeServices::Active(), &outer);
    {
      FakeServices inner;
      EXPECT_EQ(&services::Current(), &inner);
      Sleep(7);
    }
    EXPECT_EQ(&services::Current(), &outer);
    EXPECT_EQ(FakeServices::Active(), &outer);
    Sleep(9);
    EXPECT_EQ(outer.Clock().Sleeps(), std::vector<DWORD>{9});
  }
  EXPECT_EQ(&services::Current(), &basic);
  EXPECT_EQ(FakeServices::Active(), nullptr);
  EXPECT_EQ(services::Install(nullptr), nullptr);  // the default replaced by itself
}

TEST(Services, PausesAndTicksGoThroughTheServicesInPlace) {
  FakeServices fake;
  fake.Clock().Advance(4000);  // starts at 1000
  const ULONGLONG before = GetTickCount64();
  Sleep(500);
  Sleep(0);
  Sleep(3000);
  EXPECT_EQ(GetTickCount64() - before, 3500u);
  EXPECT_EQ(GetTickCount(), 8500u);
  EXPECT_EQ(fake.Clock().Sleeps(), (std::vector<DWORD>{500, 0, 3000}));
  EXPECT_EQ(fake.Clock().TotalSlept(), 3500u);
}

TEST(Services, TheDefaultClockIsRealAndMonotonic) {
  const ULONGLONG t0 = GetTickCount64();
  Sleep(0);  // only yields
  EXPECT_GE(GetTickCount64(), t0);
}

TEST(Services, WithoutWindowsBoxesAnswerAsClosedAndDialogsAreCancelled) {
  services::BasicServices basic;
  struct Row {
    UINT type;
    int answer;
  };
  for (Row row : {Row{MB_OK | MB_ICONEXCLAMATION, IDOK}, Row{MB_OKCANCEL, IDCANCEL},
                  Row{MB_YESNO, IDCANCEL}, Row{MB_YESNOCANCEL | MB_ICONQUESTION, IDCANCEL}})
    EXPECT_EQ(basic.MessageBox(nullptr, {"(expected on stderr)", "", row.type}), row.answer)
        << row.type;
  CommonDialogRequest request(CommonDialogRequest::Kind::OpenFile);
  request.accepted = true;
  basic.CommonDialog(nullptr, request);
  EXPECT_FALSE(request.accepted);
  EXPECT_EQ(basic.Text(321), "");
}

TEST(Services, ABoxWithoutCaptionAsksForTheApplicationTitle) {
  FakeServices fake;
  fake.ExpectBox(IDYES, "save");
  EXPECT_EQ(services::ShowMessageBox(nullptr, "save it?", nullptr, MB_YESNO), IDYES);
  fake.ExpectBox(IDOK);
  services::ShowMessageBox(nullptr, nullptr, "Math Error", MB_OK);
  ASSERT_EQ(fake.Boxes().size(), 2u);
  EXPECT_EQ(fake.Boxes()[0].caption, "");
  EXPECT_EQ(fake.Boxes()[0].type, UINT{MB_YESNO});
  EXPECT_EQ(fake.Boxes()[1].text, "");
  EXPECT_EQ(fake.Boxes()[1].caption, "Math Error");
}

// What escapes a handler: the framework's exceptions report their own text
// and are freed, the user abort says nothing, others show what() or a
// general text.
TEST(Services, EscapedExceptionsAreToldAsTheFrameworkTellsThem) {
  FakeServices fake;
  fake.AnswerUnscriptedBoxes();
  auto report = [&](auto thrower) {
    try {
      thrower();
    } catch (...) {
      services::Current().ReportException(std::current_exception());
    }
  };
  report([] { AfxThrowUserException(); });
  EXPECT_TRUE(fake.BoxTexts().empty());
  report([] { throw new CInvalidArgException(TRUE); });  // freed: ASan would see a leak
  report([] { throw std::runtime_error("disk full"); });
  report([] { throw std::runtime_error(""); });
  report([] { throw 42; });
  EXPECT_EQ(fake.BoxTexts(), (std::vector<std::string>{"Encountered an improper argument.",
                                                       "disk full", "An unexpected error occurred.",
                                                       "An unexpected error occurred."}));
  for (const MessageBoxCall& box : fake.Boxes())
    EXPECT_EQ(box.type, UINT{MB_OK | MB_ICONEXCLAMATION});
}

TEST(FakeServices, UnscriptedBoxesAndDialogsFailTheTest) {
  EXPECT_NONFATAL_FAILURE(
      {
        FakeServices fake;
        EXPECT_EQ(services::ShowMessageBox(nullptr, "surprise", nullptr, MB_YESNO), IDCANCEL);
      },
      "did not expect: \"surprise\"");
  EXPECT_NONFATAL_FAILURE(
      {
        FakeServices fake;
        fake.SetDialogNamer([](HWND) { return std::string("Connect"); });
        services::Current().RunModal(nullptr);
      },
      "modal dialog the test did not expect: \"Connect\"");
  EXPECT_NONFATAL_FAILURE(
      {
        FakeServices fake;
        fake.ExpectCommonDialog(CommonDialogRequest::Kind::SaveFile,
                                [](CommonDialogRequest& r) { r.accepted = true; });
        CommonDialogRequest open(CommonDialogRequest::Kind::OpenFile);
        services::Current().CommonDialog(nullptr, open);
      },
      "another common dialog than expected");
  EXPECT_NONFATAL_FAILURE(
      {
        FakeServices fake;
        fake.ExpectBox(IDOK, "the text");
        services::ShowMessageBox(nullptr, "another text", nullptr, MB_OK);
      },
      "lacks \"the text\"");
  EXPECT_NONFATAL_FAILURE(
      {
        FakeServices fake;
        fake.ExpectBox(IDOK);
      },
      "1 expected message box(es) never appeared");
}

TEST(FakeServices, AnswersFromItsScriptsInOrder) {
  FakeServices fake;
  fake.ExpectBox(IDNO);
  fake.ExpectBox(IDRETRY);
  EXPECT_EQ(services::ShowMessageBox(nullptr, "a", nullptr, MB_YESNO), IDNO);
  EXPECT_EQ(services::ShowMessageBox(nullptr, "b", nullptr, MB_RETRYCANCEL), IDRETRY);
  EXPECT_EQ(fake.PendingBoxes(), 0u);

  HWND handed = nullptr;
  fake.ExpectModal([&](HWND dialog) { handed = dialog; });
  services::Current().RunModal(reinterpret_cast<HWND>(0x10));
  EXPECT_EQ(handed, reinterpret_cast<HWND>(0x10));

  fake.ExpectCommonDialog(CommonDialogRequest::Kind::Color, [](CommonDialogRequest& r) {
    r.accepted = true;
    r.color = 0x123456;
  });
  CommonDialogRequest color(CommonDialogRequest::Kind::Color);
  services::Current().CommonDialog(nullptr, color);
  EXPECT_TRUE(color.accepted);
  EXPECT_EQ(color.color, 0x123456u);

  fake.SetText(300, "fixed");
  fake.SetTextSource([](int id) { return "text " + std::to_string(id); });
  EXPECT_EQ(services::Current().Text(300), "fixed");
  EXPECT_EQ(services::Current().Text(321), "text 321");
}

}  // namespace

namespace shell_open {

// A stand-in for xdg-open on the PATH, or none at all, while the scope lives.
class OpenerOnPath {
 public:
  explicit OpenerOnPath(bool present) : saved_(std::getenv("PATH") ? std::getenv("PATH") : "") {
    if (present) {
      std::ofstream script(folder_ / "xdg-open");
      script << "#!/bin/sh\nexit 0\n";
      script.close();
      std::filesystem::permissions(folder_ / "xdg-open", std::filesystem::perms::owner_all);
    }
    setenv("PATH", folder_.path().c_str(), 1);
  }
  ~OpenerOnPath() { setenv("PATH", saved_.c_str(), 1); }
  const TempFolder& Folder() const { return folder_; }

 private:
  TempFolder folder_;
  std::string saved_;
};

TEST(Services, TheDefaultOpenerSaysWhetherXdgOpenCouldBeStarted) {
  services::BasicServices basic;
  {
    OpenerOnPath opener(true);
    EXPECT_TRUE(basic.OpenDocument(opener.Folder() / "page.html", opener.Folder().path()));
  }
  OpenerOnPath none(false);
  EXPECT_FALSE(basic.OpenDocument(none.Folder() / "page.html", ""));
}

TEST(Services, ShellExecuteOpensAnExistingDocumentThroughTheServices) {
  FakeServices fake;
  TempFolder folder;
  std::ofstream(folder / "Help_EN.html") << "<html></html>";
  EXPECT_GT(ShellExecute(nullptr, "open", (folder / "Help_EN.html").c_str(), nullptr,
                         folder.path().c_str(), 4),
            32);
  EXPECT_EQ(ShellExecute(nullptr, "open", (folder / "missing.html").c_str(), nullptr, nullptr, 4),
            2);
  fake.SetOpenDocumentResult(false);
  EXPECT_EQ(ShellExecute(nullptr, "open", (folder / "Help_EN.html").c_str(), nullptr, nullptr, 4),
            31);
  ASSERT_EQ(fake.OpenedDocuments().size(), 2u);
  EXPECT_EQ(fake.OpenedDocuments()[0].path, folder / "Help_EN.html");
  EXPECT_EQ(fake.OpenedDocuments()[0].folder, folder.path().string());
  EXPECT_EQ(fake.OpenedDocuments()[1].folder, "");
}

}  // namespace shell_open
