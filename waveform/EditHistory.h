#pragma once
// A waveform's edit history and its internal clipboard; the store keeps one
// with every record (waveform/WaveStore.h) and frees it with the waveform.
// The history is a line of states, oldest first; undo and redo move
// `current` along it. Every change of the samples records one state
// (waveform/RecordedEdit.h): the edit commands, smoothing, drawing, the
// equation result and the tools that write samples.
//
// Each state keeps a whole copy of its samples, except the one shown: its
// samples are the record's own (thedata), lent to the record while it is
// current, so a state costs one copy of the samples and moving along the
// history copies nothing. The state shown therefore has an empty snapshot.

#include "containers/CSgScalarVector.h"
#include "platform/win/WinTypes.h"

#include <cstdint>
#include <list>

// One recorded state.
struct EditNode {
  SG::CSgScalarVector<float> snapshot;  // the samples; empty while the state is shown
  BYTE cutmark = 0;                     // 1 on a state recorded by Cut; nothing reads it
};

class EditList {
 public:
  EditList() = default;
  // A history belongs to one waveform: it is neither copied nor moved.
  EditList(const EditList&) = delete;
  EditList& operator=(const EditList&) = delete;

  // The waveform's own clipboard: Cut and Copy fill it, Paste in the same
  // waveform reads it. There is no clipboard shared between waveforms.
  SG::CSgScalarVector<float> clipdata;

  // True until the first change has recorded the initial state (the samples
  // as they were before it); undo and redo do nothing meanwhile.
  bool pending() const noexcept { return states_.empty(); }

  // The initial state, the state the waveform shows, the newest state; null
  // while pending.
  const EditNode* oldest() const noexcept;
  const EditNode* current() const noexcept;
  const EditNode* newest() const noexcept;

  // The state Undo would show (one older than current) and the one Redo
  // would show (one newer); null at either end and while pending.
  const EditNode* older() const noexcept;
  const EditNode* newer() const noexcept;

  // Moves current one state older or newer, trading samples with the
  // record: shown (the record's thedata) goes back into the state left and
  // takes the samples of the state reached. Nothing at the ends.
  void StepOlder(SG::CSgScalarVector<float>& shown) noexcept;
  void StepNewer(SG::CSgScalarVector<float>& shown) noexcept;

  // Number of recorded states, the position of current among them (0 the
  // initial state, -1 while pending) and a state by position, oldest first
  // (the framework's invalid-argument exception outside 0..count-1).
  int GetStateCount() const noexcept { return static_cast<int>(states_.size()); }
  int GetCurrentIndex() const noexcept;
  const EditNode& GetState(int index) const;

  // Records the initial state while pending: the first of states, whose
  // samples are the ones shown. Nothing once recorded. The nodes were
  // allocated by the caller (NewStates), so recording never fails.
  void CommitInitial(std::list<EditNode>& states) noexcept;

  // Records a change (the initial state first while pending): every state
  // newer than current is dropped, so a change after an undo starts a new
  // line of history; shown (the record's thedata) goes into the state it
  // leaves, the last node of states becomes current and shown takes result.
  // states holds NewStates(StatesForChange()) nodes and is left empty.
  void CommitChange(std::list<EditNode>& states, SG::CSgScalarVector<float>& shown,
                    SG::CSgScalarVector<float>&& result) noexcept;
  int StatesForChange() const noexcept { return pending() ? 2 : 1; }

  // Replaces the samples of the state shown with result, adding no state
  // (a change that continues the one recorded last); the states newer than
  // current are dropped. Nothing while pending.
  void AmendCurrent(SG::CSgScalarVector<float>& shown,
                    SG::CSgScalarVector<float>&& result) noexcept;

  // Changes whenever the samples shown change through the history (a
  // recorded change, an amendment, an undo or a redo): a change that would
  // continue the last one checks that nothing came between.
  std::uint64_t Serial() const noexcept { return serial_; }

  // count empty states to fill and commit; the framework's memory exception
  // when they cannot be allocated.
  static std::list<EditNode> NewStates(std::size_t count);

 private:
  std::list<EditNode> states_;
  std::list<EditNode>::iterator current_;  // valid while states_ is not empty
  std::uint64_t serial_ = 0;
};
