#include "platform/services/tests/FakeServices.h"

#include <gtest/gtest.h>

#include <numeric>
#include <thread>

namespace services {
namespace {
FakeServices* g_active = nullptr;
}  // namespace

void FakeClock::Sleep(DWORD milliseconds) {
  if (milliseconds == 0) std::this_thread::yield();
  std::lock_guard guard(lock_);
  sleeps_.push_back(milliseconds);
  now_ += milliseconds;
}

ULONGLONG FakeClock::TickCount() const {
  std::lock_guard guard(lock_);
  return now_;
}

void FakeClock::Advance(ULONGLONG milliseconds) {
  std::lock_guard guard(lock_);
  now_ += milliseconds;
}

std::vector<DWORD> FakeClock::Sleeps() const {
  std::lock_guard guard(lock_);
  return sleeps_;
}

ULONGLONG FakeClock::TotalSlept() const {
  std::lock_guard guard(lock_);
  return std::accumulate(sleeps_.begin(), sleeps_.end(), ULONGLONG{0});
}

void FakeClock::Clear() {
  std::lock_guard guard(lock_);
  sleeps_.clear();
}

FakeServices::FakeServices() : previous_(Install(this)), outer_(g_active) { g_active = this; }

FakeServices::~FakeServices() {
  Install(previous_);
  g_active = outer_;
  EXPECT_TRUE(expectedBoxes_.empty())
      << expectedBoxes_.size() << " expected message box(es) never appeared";
  EXPECT_TRUE(modalScripts_.empty()) << modalScripts_.size() << " expected dialog(s) never opened";
  EXPECT_TRUE(commonAnswers_.empty())
      << commonAnswers_.size() << " expected common dialog(s) never opened";
}

FakeServices* FakeServices::Active() { return g_active; }

void FakeServices::ExpectBox(int answer, std::string textPart) {
  expectedBoxes_.push_back({answer, std::move(textPart)});
}

int FakeServices::MessageBox(HWND, const MessageBoxCall& call) {
  boxes_.push_back(call);
  boxTexts_.push_back(call.text);
  if (expectedBoxes_.empty()) {
    if (!answerUnscripted_)
      ADD_FAILURE() << "a message box the test did not expect: \"" << call.text << "\"";
    return ClosedBoxAnswer(call.type);
  }
  ExpectedBox next = std::move(expectedBoxes_.front());
  expectedBoxes_.pop_front();
  if (!next.textPart.empty()) {
    EXPECT_NE(call.text.find(next.textPart), std::string::npos)
        << "box text \"" << call.text << "\" lacks \"" << next.textPart << "\"";
  }
  return next.answer;
}

void FakeServices::ExpectModal(std::function<void(HWND)> script) {
  modalScripts_.push_back(std::move(script));
}

void FakeServices::RunModal(HWND dialog) {
  if (modalScripts_.empty()) {
    ADD_FAILURE() << "a modal dialog the test did not expect: \""
                  << (namer_ ? namer_(dialog) : std::string()) << "\"";
    return;  // the caller cancels it
  }
  auto script = std::move(modalScripts_.front());
  modalScripts_.pop_front();
  script(dialog);
}

void FakeServices::ExpectCommonDialog(CommonDialogRequest::Kind kind,
                                      std::function<void(CommonDialogRequest&)> answer) {
  commonAnswers_.push_back({kind, std::move(answer)});
}

void FakeServices::CommonDialog(HWND, CommonDialogRequest& request) {
  request.accepted = false;
  if (commonAnswers_.empty()) {
    ADD_FAILURE() << "a common dialog the test did not expect (kind "
                  << static_cast<int>(request.kind) << ")";
    return;
  }
  CommonAnswer next = std::move(commonAnswers_.front());
  commonAnswers_.pop_front();
  EXPECT_EQ(static_cast<int>(next.kind), static_cast<int>(request.kind))
      << "another common dialog than expected";
  next.answer(request);
}

std::string FakeServices::Text(int id) {
  if (auto found = texts_.find(id); found != texts_.end()) return found->second;
  return textSource_ ? textSource_(id) : std::string();
}

}  // namespace services
