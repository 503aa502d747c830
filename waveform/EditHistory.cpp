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

void EditList::StepOlder() noexcept {
  if (older()) --current_;
}

void EditList::StepNewer() noexcept {
  if (newer()) ++current_;
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

void EditList::CommitStates(std::list<EditNode>& states) noexcept {
  if (states.empty()) return;
  if (!pending()) states_.erase(std::next(current_), states_.end());
  states_.splice(states_.end(), states);
  current_ = std::prev(states_.end());
}

std::list<EditNode> EditList::NewStates(std::size_t count) {
  try {
    return std::list<EditNode>(count);
  } catch (const std::bad_alloc&) {
    AfxThrowMemoryException();
  }
}
