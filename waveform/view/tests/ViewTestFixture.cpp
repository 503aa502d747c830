#include "ViewTestFixture.h"

#include "GraphMouse.h"

#include "controls/GraphRenderer.h"
#include "controls/HostedControl.h"
#include "platform/window/Resources.h"
#include "platform/window/tests/UiTestKit.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>

CWaveData MakeWave(const char* name, const Floats& samples) {
  CWaveData wave;
  wave.wavename = name;
  wave.thedata.Assign(samples.data(), static_cast<unsigned int>(samples.size()));
  wave.samplecount = wave.pointcount = static_cast<int>(samples.size());
  wave.span = 4.0;
  wave.period = 1.0;
  wave.periodunit = 2;  // ms
  wave.freq = 1.0;
  wave.frequnit = 3;  // kHz
  DisplayDecimation(wave);
  return wave;
}

void ViewTest::SetUpTestSuite() {
  std::string error;
  ASSERT_TRUE(resources::Load(PELMORAN_RESOURCES, &error)) << error;
  hosted::RegisterHostedControls();
}

void ViewTest::SetUp() {
  g_WaveArray.RemoveAll();
  ResetWaveState();
  app_.AddDocTemplate(NewWaveTemplate());
  main_ = new CTestMainFrame;
  ASSERT_TRUE(main_->LoadFrame(129));
  app_.m_pMainWnd = main_;
  main_->MoveWindow(0, 0, 1100, 760);
  ui_test::ShowActive(main_->m_hWnd);
}

void ViewTest::TearDown() {
  // Not as the main window: its end would end the application's loops, and
  // every later modal loop (a popup menu's) would return at once.
  if (app_.m_pMainWnd) {
    app_.m_pMainWnd = nullptr;
    main_->DestroyWindow();
  }
  ui_test::Pump();
  g_WaveArray.RemoveAll();
  ResetWaveState();
}

CPelmoranView* ViewTest::Open(const CWaveData& record) {
  g_nPointCount = record.samplecount;
  g_bEditEnable = false;
  g_WaveArray.Add(record);
  main_->SendMessage(WM_WAVE_UPDATE, kWaveUpdateOpenWindow);
  ui_test::Pump();
  return main_->ActiveView();
}

CPelmoranView* ViewTest::OpenEmpty() {
  Fake().SetText(302, "no samples");
  return Open(MakeWave("empty", {}));
}

LRESULT ViewTest::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  return main_->SendMessage(message, wParam, lParam);
}

hosted::Graph& ViewTest::Model(CPelmoranView* view) { return graph_mouse::Model(view); }

QPoint ViewTest::At(CPelmoranView* view, double x, double y) { return graph_mouse::At(view, x, y); }

double ViewTest::ValueXAt(CPelmoranView* view, QPoint at) {
  return graph_mouse::Mapping(view).ValueX(at.x());
}
double ViewTest::ValueYAt(CPelmoranView* view, QPoint at) {
  return graph_mouse::Mapping(view).ValueY(at.y());
}

void ViewTest::Press(CPelmoranView* view, QPoint at, Qt::MouseButton button) {
  graph_mouse::Press(view, at, button);
}

void ViewTest::Move(CPelmoranView* view, QPoint at) { graph_mouse::Move(view, at); }

void ViewTest::Release(CPelmoranView* view, QPoint at, Qt::MouseButton button) {
  graph_mouse::Release(view, at, button);
}

void ViewTest::Stroke(CPelmoranView* view, const std::vector<QPoint>& points) {
  graph_mouse::Stroke(view, points);
}

Floats ViewTest::Plotted(CPelmoranView* view, int plot) {
  const auto& p = Model(view).plots.at(static_cast<size_t>(plot - 1));
  Floats values;
  if (p->data)
    for (size_t i = 0; i < p->data->Size(); ++i)
      values.push_back(static_cast<float>(p->data->At(i)));
  return values;
}

MenuWatcher::MenuWatcher(std::function<void(QMenu*)> answer) : answer_(std::move(answer)) {
  qApp->installEventFilter(this);
}

MenuWatcher::~MenuWatcher() { qApp->removeEventFilter(this); }

bool MenuWatcher::eventFilter(QObject* object, QEvent* event) {
  if (auto* menu = qobject_cast<QMenu*>(object); menu && event->type() == QEvent::Show)
    QMetaObject::invokeMethod(
        this,
        [this, menu = QPointer<QMenu>(menu)] {
          if (menu && menu->isVisible()) answer_(menu);
        },
        Qt::QueuedConnection);
  return false;
}
