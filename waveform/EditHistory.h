#pragma once
// A waveform's edit history and its internal clipboard; the store keeps one
// with every record (waveform/WaveStore.h) and frees it with the waveform.
// The history is a line of full copies of the samples, oldest first; undo
// and redo move `current` along it. Only the edit commands and smoothing
// record states (waveform/EditOps.h); drawing has its own one-step undo.

#include "containers/CSgScalarVector.h"
#include "platform/win/WinTypes.h"

#include <list>

// One recorded state.
struct EditNode {
  SG::CSgScalarVector<float> snapshot;  // full copy of the samples
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

  // True until the first edit has recorded the initial state (the samples as
  // they were before it); undo and redo do nothing meanwhile.
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

  // Moves current one state older or newer; nothing at the ends.
  void StepOlder() noexcept;
  void StepNewer() noexcept;

  // Number of recorded states, the position of current among them (0 the
  // initial state, -1 while pending) and a state by position, oldest first
  // (the framework's invalid-argument exception outside 0..count-1).
  int GetStateCount() const noexcept { return static_cast<int>(states_.size()); }
  int GetCurrentIndex() const noexcept;
  const EditNode& GetState(int index) const;

  // Records states an edit prepared (the initial state first while pending,
  // then its result): every state newer than current is dropped first, so an
  // edit after an undo starts a new line of history; the states are appended
  // in order and the last becomes current. The nodes were allocated by the
  // caller, so recording never fails; states is left empty.
  void CommitStates(std::list<EditNode>& states) noexcept;

  // count empty states to fill and commit; the framework's memory exception
  // when they cannot be allocated.
  static std::list<EditNode> NewStates(std::size_t count);

 private:
  std::list<EditNode> states_;
  std::list<EditNode>::iterator current_;  // valid while states_ is not empty
};
