// The shipped resources as the windows will use them: every text of the
// table read back through the translator from the generated language files,
// every template made into a dialog and translated in English and in
// Chinese, every label and button checked for a text it cannot show whole,
// and each dialog drawn into build/review/dialogs/ for people to look at.
#include "platform/afx/tests/TempFolder.h"
#include "resources/gen/Inventory.h"
#include "resources/tests/ShippedTable.h"
#include "shell/base/Translator.h"

#include "controls/HostedControl.h"
#include "platform/win/ModulePath.h"
#include "platform/services/tests/FakeServices.h"
#include "platform/window/Dialogs.h"
#include "platform/window/Gdi.h"
#include "platform/window/RenderPng.h"
#include "platform/window/Resources.h"
#include "platform/window/WindowApi.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// A program folder holding the shipped language files, set to one language.
class ShippedLanguage : public testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    ASSERT_TRUE(resources::Load(std::string(RESOURCES_DIR) + "/pelmoran.pmr", &error)) << error;
    hosted::RegisterHostedControls();
  }

  void SetUp() override {
    folder_ = temp_.path();
    fs::copy(fs::path(RESOURCES_DIR) / "program", folder_, fs::copy_options::recursive);
    std::ofstream(folder_ / "Languages" / "Multilanuage.INI")
        << "[Config]\nLanguage=" << GetParam() << "\n";
    SetModuleFileNameOverride((folder_ / "pelmoran").string());
    g_Translator.Load();  // an unexpected box fails the test
  }
  void TearDown() override { SetModuleFileNameOverride(""); }

  bool English() const { return std::string(GetParam()) == "English"; }
  const std::string& TextOf(const resgen::TextEntry& t) const { return English() ? t.en : t.zh; }

  TempFolder temp_;  // of this process alone: test runs go in parallel
  fs::path folder_;
  services::FakeServices fake_;  // skips the loader's pauses, answers its boxes
  services::FakeClock& clock_ = fake_.Clock();
};

TEST_P(ShippedLanguage, EveryTextOfTheTableIsFoundById) {
  for (const auto& [id, t] : Table().texts)
    EXPECT_EQ(g_Translator.GetText(id).str(), TextOf(t)) << "id " << id;
}

// The room a text needs in a control of this kind, in pixels.
int Needed(HWND control, const QString& text, const QFontMetrics& fm) {
  const std::string cls = GetClassNameString(control);
  const LONG_PTR style = GetWindowLongPtr(control, GWL_STYLE);
  const int advance = fm.horizontalAdvance(text);
  if (cls != "Button") return advance;
  switch (style & BS_TYPEMASK) {
    case BS_GROUPBOX: return advance + 16;
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return advance + 18;
    default: return advance + 8;
  }
}

// Labels and buttons whose text is cut, as "id: text". Those created hidden
// count too: the program shows them when the user picks what they label.
std::vector<std::string> CutTexts(HWND dialog) {
  std::vector<std::string> cut;
  for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    const std::string cls = GetClassNameString(c);
    const QString text = QString::fromStdString(GetWindowTextString(c));
    if ((cls != "Static" && cls != "Button") || text.isEmpty()) continue;
    // The font the control draws with, as the dialog gave it.
    const auto font = reinterpret_cast<HFONT>(SendMessage(c, WM_GETFONT, 0, 0));
    if (!font) {
      cut.push_back(std::to_string(GetDlgCtrlID(c)) + ": no font");
      continue;
    }
    const QFontMetrics fm(font->font);
    RECT r{};
    GetClientRect(c, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    if (height < fm.height()) continue;  // too low for any text: a button kept out of sight
    bool fits = Needed(c, text, fm) <= width;
    if (!fits && cls == "Static" && height >= 2 * fm.lineSpacing())  // a label of several lines
      fits = fm.boundingRect(QRect(0, 0, width, 10000), Qt::TextWordWrap, text).height() <= height;
    if (!fits)
      cut.push_back(std::to_string(GetDlgCtrlID(c)) + ": " + text.toStdString() + " (" +
                    std::to_string(Needed(c, text, fm)) + " > " + std::to_string(width) + " px)");
  }
  return cut;
}

TEST_P(ShippedLanguage, EveryDialogShowsItsTextsWholeAndIsDrawnForReview) {
  fs::create_directories(REVIEW_DIR);
  for (const resgen::Dialog& d : Table().dialogs) {
    // Child templates (the form, the bars, the preview's page) are drawn on their own.
    DialogTemplate tmpl = *resources::Dialog(static_cast<UINT>(d.id));
    if (tmpl.style & WS_CHILD) tmpl.style = (tmpl.style & ~WS_CHILD) | WS_POPUP | WS_BORDER;
    HWND dialog = CreateDialogFromTemplate(tmpl, nullptr, nullptr, 0);
    ASSERT_NE(dialog, nullptr) << d.id;
    if (d.captionTranslated)
      g_Translator.TranslateDialog(dialog, static_cast<UINT>(d.id));
    else if (d.translated)
      g_Translator.TranslateControls(dialog);

    if (d.captionTranslated) EXPECT_EQ(GetWindowTextString(dialog), TextOf(Table().texts.at(d.id)));
    size_t index = 0;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT), ++index) {
      ASSERT_LT(index, d.controls.size()) << d.id;
      const resgen::Control& want = d.controls[index];
      EXPECT_EQ(GetDlgCtrlID(c), want.id) << d.id;
      const bool hidden = want.style.find("~WS_VISIBLE") != std::string::npos;
      EXPECT_EQ(!(GetWindowLongPtr(c, GWL_STYLE) & WS_VISIBLE), hidden) << d.id << "/" << want.id;
      if (want.translated)
        EXPECT_EQ(GetWindowTextString(c), TextOf(Table().texts.at(want.id)))
            << d.id << "/" << want.id;
    }
    EXPECT_EQ(index, d.controls.size()) << d.id << ": a control of an unknown class";
    for (const std::string& cut : CutTexts(dialog))
      ADD_FAILURE() << "dialog " << d.id << " (" << GetParam() << "): " << cut;

    ShowWindow(dialog, SW_SHOW);
    index = 0;  // a control created hidden stays hidden when its dialog is shown
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT), ++index)
      EXPECT_EQ(IsWindowVisible(c) != FALSE,
                d.controls[index].style.find("~WS_VISIBLE") == std::string::npos)
          << d.id << "/" << d.controls[index].id;
    const std::string png =
        std::string(REVIEW_DIR) + "/" + std::to_string(d.id) + "-" + GetParam() + ".png";
    EXPECT_TRUE(RenderWindowToPng(dialog, png)) << png;
    DestroyWindow(dialog);
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, ShippedLanguage, testing::Values("English", "Chinese"));

TEST(ShippedPictures, EveryImageLoadsAtItsSize) {
  std::string error;
  ASSERT_TRUE(resources::Load(std::string(RESOURCES_DIR) + "/pelmoran.pmr", &error)) << error;
  for (const resgen::Toolbar& t : Table().toolbars) {
    const QImage strip = resources::Bitmap(static_cast<UINT>(t.id));
    const int buttons = static_cast<int>(
        std::count_if(t.buttons.begin(), t.buttons.end(), [](int b) { return b != 0; }));
    EXPECT_EQ(strip.size(), QSize(t.width * buttons, t.height)) << "toolbar " << t.id;
  }
  for (const resgen::Image& image : Table().images) {
    POINT hot{};
    const QImage picture = image.kind == "bitmap" ? resources::Bitmap(static_cast<UINT>(image.id))
                           : image.kind == "icon"
                               ? resources::Icon(static_cast<UINT>(image.id))
                               : resources::Cursor(static_cast<UINT>(image.id), &hot);
    EXPECT_FALSE(picture.isNull()) << image.kind << " " << image.id;
    if (image.kind == "cursor") EXPECT_TRUE(QRect(QPoint(), picture.size()).contains(hot.x, hot.y));
  }
  // The panel's shape buttons take pictures of 51 x 39 pixels.
  EXPECT_EQ(resources::Bitmap(239).size(), QSize(51, 39));
  // Every picture side by side, twice its size, for review.
  std::vector<QImage> all = {resources::Bitmap(256), resources::Bitmap(196)};
  for (const resgen::Image& image : Table().images)
    all.push_back(image.kind == "bitmap" ? resources::Bitmap(static_cast<UINT>(image.id))
                  : image.kind == "icon" ? resources::Icon(static_cast<UINT>(image.id))
                                         : resources::Cursor(static_cast<UINT>(image.id)));
  int height = 0;
  for (const QImage& picture : all) height += picture.height() * 2 + 4;
  QImage sheet(720, height, QImage::Format_ARGB32);
  sheet.fill(Qt::lightGray);
  QPainter painter(&sheet);
  int y = 0;
  for (const QImage& picture : all) {
    painter.drawImage(QRect(0, y, std::min(720, picture.width() * 2), picture.height() * 2),
                      picture, QRect(0, 0, std::min(360, picture.width()), picture.height()));
    y += picture.height() * 2 + 4;
  }
  painter.end();
  fs::create_directories(REVIEW_DIR);
  sheet.save(QString(REVIEW_DIR) + "/pictures.png");
}

}  // namespace
