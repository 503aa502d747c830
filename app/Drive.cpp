#include "app/Drive.h"

#include "platform/window/WindowApi.h"
#include "shell/app/PelmoranApp.h"
#include "shell/frame/MainFrame.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kStepGapMs = 200;
constexpr int kSettleMs = 300;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

class PaintCounter : public QObject {
 public:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return QObject::eventFilter(object, event);
  }
  long count = 0;
};

class Drive {
 public:
  Drive(CPelmoranApp& app, std::vector<std::string> steps) : app_(app), steps_(std::move(steps)) {
    qApp->installEventFilter(&paints_);
  }

  void Run(std::size_t at) {
    if (at >= steps_.size()) return;
    const std::string& step = steps_[at];
    const std::size_t colon = step.find(':');
    const std::string verb = step.substr(0, colon);
    const std::string arg = colon == std::string::npos ? std::string() : step.substr(colon + 1);
    if (verb == "idle") {
      Idle(std::atoi(arg.c_str()), at + 1);
      return;
    }
    // The next step is due before this one runs: a step may open a modal
    // loop, inside which the next one answers it.
    QTimer::singleShot(kStepGapMs, [this, at] { Run(at + 1); });
    CMainFrame* frame = app_.MainFrame();
    if (!frame) return;
    if (verb == "cmd") {
      frame->SendMessage(WM_COMMAND, static_cast<WPARAM>(std::atoi(arg.c_str())), 0);
    } else if (verb == "open") {
      frame->OpenWaveFile(arg.c_str());
    } else if (verb == "click") {
      HWND dialog = HandleOf(QApplication::activeModalWidget());
      const int id = std::atoi(arg.c_str());
      ::SendMessage(dialog, WM_COMMAND, MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED),
                    reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
    } else if (verb == "box") {
      if (auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget()))
        for (QAbstractButton* button : box->buttons())
          if (button->text().remove('&') == QString::fromStdString(arg)) button->click();
    } else if (verb == "close") {
      WidgetOf(frame->m_hWnd)->close();
    } else if (verb == "float") {
      frame->m_wndFloatDlg.SendMessage(WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    } else {
      std::fprintf(stderr, "drive: unknown step %s\n", step.c_str());
    }
  }

 private:
  void Idle(int milliseconds, std::size_t next) {
    QTimer::singleShot(kSettleMs, [this, milliseconds, next] {
      const double cpu = CpuSeconds();
      paints_.count = 0;
      QTimer::singleShot(milliseconds, [this, milliseconds, next, cpu] {
        std::fprintf(stderr, "drive: idle %d ms cpu %.3f s paints %ld\n", milliseconds,
                     CpuSeconds() - cpu, paints_.count);
        Run(next);
      });
    });
  }

  CPelmoranApp& app_;
  std::vector<std::string> steps_;
  PaintCounter paints_;
};

std::vector<std::string> Split(const std::string& text) {
  std::vector<std::string> out;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = std::min(text.find(';', from), text.size());
    if (end > from) out.push_back(text.substr(from, end - from));
    from = end + 1;
  }
  return out;
}

}  // namespace

void StartDrive(CPelmoranApp& app) {
  const char* script = std::getenv("PELMORAN_DRIVE");
  if (!script || !*script) return;
  static Drive* drive = new Drive(app, Split(script));  // lives as long as the program
  QTimer::singleShot(kStepGapMs, [] { drive->Run(0); });
}
