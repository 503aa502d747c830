#pragma once
// A private interface that records every slot call (slot and the values with
// their kinds, copied) and answers with what the test scripted.

#include "controls/SlotCall.h"
#include "controls/SlotValues.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/Unknown.h"

#include <string>
#include <vector>

struct RecordedCall {
  UINT slot = 0;
  std::vector<SG::SlotValue> args;
};

class RecordingSlots : public ComObject<SG::ISgSlotCall> {
 public:
  ~RecordingSlots() override {
    for (auto& call : calls)
      for (auto& v : call.args) SG::FreeSlotValue(v);
    SG::FreeSlotValue(reply);
  }
  HRESULT STDMETHODCALLTYPE CallSlot(UINT slot, const SG::SlotValue* args, UINT count,
                                     SG::SlotValue* result) override {
    RecordedCall& call = calls.emplace_back();
    call.slot = slot;
    for (UINT i = 0; i < count; ++i) call.args.push_back(SG::CopySlotValue(args[i]));
    if (result) {
      resultKinds.push_back(result->kind);
      if (replyWithSelf) {
        AddRef();
        result->object = static_cast<SG::ISgSlotCall*>(this);
      } else if (reply.kind == result->kind) {
        *result = SG::CopySlotValue(reply);
      }
    }
    if (failure < 0 && !errorText.empty()) return ReportError(failure, errorText.c_str());
    return failure;
  }
  // Answers any private interface id.
  void* QueryExtra(REFIID) override { return static_cast<SG::ISgSlotCall*>(this); }

  std::vector<RecordedCall> calls;
  std::vector<SG::SlotKind> resultKinds;
  SG::SlotValue reply;         // delivered when the result kind matches
  bool replyWithSelf = false;  // object results: this object, one reference
  HRESULT failure = S_OK;
  std::string errorText;
};
