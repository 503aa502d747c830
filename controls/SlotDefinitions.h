#pragma once
// Expands a slot table into the operations of the class named by
// SG_SLOT_CLASS, each one call through the class's frame (its Frame()).

#define SG_DEFINE_P(get, set, K, Name)                                                \
  kind::K::Get SG_SLOT_CLASS::Get##Name() const { return Frame().Get<kind::K>(get); } \
  void SG_SLOT_CLASS::Set##Name(const kind::K::Set& value) const {                    \
    Frame().Set<kind::K>(set, value);                                                 \
  }
#define SG_DEFINE_G(slot, K, Name) \
  kind::K::Get SG_SLOT_CLASS::Get##Name() const { return Frame().Get<kind::K>(slot); }
#define SG_DEFINE_O(slot, W, Name) \
  W SG_SLOT_CLASS::Get##Name() const { return Frame().Call<W>(slot); }
#define SG_DEFINE_OP(get, set, W, Name)                               \
  W SG_SLOT_CLASS::Get##Name() const { return Frame().Call<W>(get); } \
  void SG_SLOT_CLASS::Set##Name(const W& value) const {               \
    Frame().Call<void>(set, static_cast<const CSgInterface&>(value)); \
  }
#define SG_DEFINE_SLOTS(TABLE) TABLE(SG_DEFINE_P, SG_DEFINE_G, SG_DEFINE_O, SG_DEFINE_OP)
