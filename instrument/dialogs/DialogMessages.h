#pragma once
// The instrument dialogs' own failure messages: id and name. Their texts, in
// both languages, are in resources/inventory.txt; "##" is replaced before
// display. The messages of the instrument link itself are in
// instrument/LinkMessages.h.

// clang-format off
#define PELMORAN_DIALOG_MESSAGES(X)  \
  X(614, kMsgBadAddress)             \
  X(615, kMsgNoSlotChosen)           \
  X(616, kMsgNoWaveToSend)           \
  X(617, kMsgUnknownModel)           \
  X(618, kMsgBandwidthUnknown)       \
  X(619, kMsgScopeReadFailed)        \
  X(620, kMsgScopeBadBlock)          \
  X(621, kMsgScopeNoScale)           \
  X(622, kMsgScopeNothingCaptured)   \
  X(623, kMsgChannelNotAvailable)    \
  X(624, kMsgNotIdentified)
// clang-format on

enum DialogMessage : int {
#define PELMORAN_DIALOG_MESSAGE_ID(id, name) name = id,
  PELMORAN_DIALOG_MESSAGES(PELMORAN_DIALOG_MESSAGE_ID)
#undef PELMORAN_DIALOG_MESSAGE_ID
};
