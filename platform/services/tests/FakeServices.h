#pragma once
// The one fake of the services for tests. While alive it is the services in
// place (the previous ones come back after it):
// - message boxes are answered from a queue of expected boxes; every box
//   shown is recorded;
// - modal dialogs are handed to a queue of scripts, common dialogs to a
//   queue of answers;
// - a box, dialog or common dialog nobody scripted fails the running test
//   and is cancelled (boxes may be let through instead: AnswerUnscriptedBoxes);
// - texts come from a table (or a function), empty for other ids;
// - pauses return at once, are recorded and move the tick count on;
// - documents to open are recorded, not opened;
// - escaped exceptions are reported as the program reports them, so they
//   show up as boxes.
// Expectations still queued when the fake goes are failures.

#include "platform/services/BasicServices.h"

#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace services {

// The fake's clock: Sleep returns at once, records the pause and moves the
// tick count on by it; Sleep(0) still yields, so spin-waits make progress.
// Safe to use from several threads.
class FakeClock {
 public:
  explicit FakeClock(ULONGLONG start = 1000) : now_(start) {}
  void Sleep(DWORD milliseconds);
  ULONGLONG TickCount() const;
  // Moves the clock on without a recorded pause (time spent elsewhere).
  void Advance(ULONGLONG milliseconds);
  std::vector<DWORD> Sleeps() const;
  ULONGLONG TotalSlept() const;
  void Clear();  // forgets the recorded pauses

 private:
  mutable std::mutex lock_;
  std::vector<DWORD> sleeps_;
  ULONGLONG now_;
};

class FakeServices : public BasicServices {
 public:
  FakeServices();
  ~FakeServices() override;
  FakeServices(const FakeServices&) = delete;
  FakeServices& operator=(const FakeServices&) = delete;

  // The innermost fake alive, or null.
  static FakeServices* Active();

  // Message boxes. The next box is answered with `answer`; a non-empty
  // `textPart` must occur in its text.
  void ExpectBox(int answer, std::string textPart = {});
  // Boxes nobody expected are recorded and answered as closed, not failed.
  void AnswerUnscriptedBoxes(bool answer = true) { answerUnscripted_ = answer; }
  const std::vector<MessageBoxCall>& Boxes() const { return boxes_; }
  // The texts of the boxes shown, in order; a test may clear them.
  std::vector<std::string>& BoxTexts() { return boxTexts_; }
  size_t PendingBoxes() const { return expectedBoxes_.size(); }
  void DropPendingBoxes() { expectedBoxes_.clear(); }

  // Modal dialogs: the next one shown is handed to `script`, which types,
  // clicks and ends it.
  void ExpectModal(std::function<void(HWND dialog)> script);
  size_t PendingModals() const { return modalScripts_.size(); }
  void DropPendingModals() { modalScripts_.clear(); }
  // Names a dialog in failure messages (the window side gives its caption).
  void SetDialogNamer(std::function<std::string(HWND)> namer) { namer_ = std::move(namer); }

  // Common dialogs: the next one must be of `kind`; `answer` fills it in.
  void ExpectCommonDialog(CommonDialogRequest::Kind kind,
                          std::function<void(CommonDialogRequest&)> answer);
  size_t PendingCommonDialogs() const { return commonAnswers_.size(); }
  void DropPendingCommonDialogs() { commonAnswers_.clear(); }

  // Texts by id: a table, and behind it an optional function.
  void SetText(int id, std::string text) { texts_[id] = std::move(text); }
  void SetTextSource(std::function<std::string(int)> source) { textSource_ = std::move(source); }

  FakeClock& Clock() { return clock_; }

  // Documents the program asked the desktop to open: path and folder.
  struct OpenedDocument {
    std::string path, folder;
  };
  const std::vector<OpenedDocument>& OpenedDocuments() const { return opened_; }
  // What OpenDocument answers (true: the opener started).
  void SetOpenDocumentResult(bool started) { openResult_ = started; }

  int MessageBox(HWND owner, const MessageBoxCall& call) override;
  void CommonDialog(HWND owner, CommonDialogRequest& request) override;
  void RunModal(HWND dialog) override;
  std::string Text(int id) override;
  void Sleep(DWORD milliseconds) override { clock_.Sleep(milliseconds); }
  ULONGLONG TickCount() override { return clock_.TickCount(); }
  bool OpenDocument(const std::string& path, const std::string& folder) override {
    opened_.push_back({path, folder});
    return openResult_;
  }

 private:
  struct ExpectedBox {
    int answer;
    std::string textPart;
  };
  struct CommonAnswer {
    CommonDialogRequest::Kind kind;
    std::function<void(CommonDialogRequest&)> answer;
  };

  Services* previous_;
  FakeServices* outer_;
  FakeClock clock_;
  bool answerUnscripted_ = false;
  std::deque<ExpectedBox> expectedBoxes_;
  std::vector<MessageBoxCall> boxes_;
  std::vector<std::string> boxTexts_;
  std::deque<std::function<void(HWND)>> modalScripts_;
  std::function<std::string(HWND)> namer_;
  std::deque<CommonAnswer> commonAnswers_;
  std::map<int, std::string> texts_;
  std::function<std::string(int)> textSource_;
  std::vector<OpenedDocument> opened_;
  bool openResult_ = true;
};

}  // namespace services
