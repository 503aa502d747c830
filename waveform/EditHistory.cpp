#include "waveform/EditHistory.h"

#include "platform/afx/Exception.h"

#include <iterator>
#include <new>

const EditNode* EditList::oldest() const noexcept { return pending() ? nullptr : &states_.front(); }

const EditNode* EditList::current() const noexcept { return pending() ? nullptr : &*current_; }

const EditNode* EditList::newest() const noexcept { return pending() ? nullptr : &states_.back(); }

const EditNode* EditList::older() const noexcept {
  if (pending() || current_ == states_.begin()) return nullptr;
  return &*std::prev(current_);
}

const EditNode* EditList::newer() const noexcept {
  if (pending() || std::next(current_) == states_.end()) return nullptr;
  return &*std::next(current_);
}

void EditList::StepOlder(SG::CSgScalarVector<float>& shown) noexcept {
  if (!older()) return;
  current_->snapshot.Swap(shown);
  --current_;
  current_->snapshot.Swap(shown);
  ++serial_;
}

void EditList::StepNewer(SG::CSgScalarVector<float>& shown) noexcept {
  if (!newer()) return;
  current_->snapshot.Swap(shown);
  ++current_;
  current_->snapshot.Swap(shown);
  ++serial_;
}

int EditList::GetCurrentIndex() const noexcept {
  if (pending()) return -1;
  return static_cast<int>(
      std::distance(states_.begin(), std::list<EditNode>::const_iterator(current_)));
}

const EditNode& EditList::GetState(int index) const {
  if (index < 0 || index >= GetStateCount()) AfxThrowInvalidArgException();
  return *std::next(states_.begin(), index);
}

void EditList::CommitInitial(std::list<EditNode>& states) noexcept {
  if (!pending() || states.empty()) return;
  states_.splice(states_.end(), states, states.begin());
  current_ = states_.begin();
}

void EditList::CommitChange(std::list<EditNode>& states, SG::CSgScalarVector<float>& shown,
                            SG::CSgScalarVector<float>&& result) noexcept {
  if (states.empty()) return;
  CommitInitial(states);
  states_.erase(std::next(current_), states_.end());
  current_->snapshot.Swap(shown);
  states_.splice(states_.end(), states);
  current_ = std::prev(states_.end());
  shown.Swap(result);
  ++serial_;
}

void EditList::AmendCurrent(SG::CSgScalarVector<float>& shown,
                            SG::CSgScalarVector<float>&& result) noexcept {
  if (pending()) return;
  states_.erase(std::next(current_), states_.end());
  shown.Swap(result);
  ++serial_;
}

std::list<EditNode> EditList::NewStates(std::size_t count) {
  try {
    return std::list<EditNode>(count);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
}
