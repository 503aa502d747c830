#pragma once
// The link's own failure messages: id and name. Their texts, in both
// languages, are in resources/inventory.txt; "##" and "@@" are replaced
// before display. Ids 600 to 603 are causes, set into the "##" of the
// messages that name one.

#include "platform/afx/String.h"
#include "platform/visa/VisaTypes.h"

#define PELMORAN_LINK_MESSAGES(X) \
  X(600, kMsgConnectionLost)      \
  X(601, kMsgTimedOut)            \
  X(602, kMsgLocked)              \
  X(603, kMsgIoError)             \
  X(604, kMsgSendFailed)          \
  X(605, kMsgPartialUsbWrite)     \
  X(606, kMsgBadWaveName)         \
  X(607, kMsgWaveTooLong)         \
  X(608, kMsgReadFailed)          \
  X(609, kMsgNoParamReply)        \
  X(610, kMsgNoWaveData)          \
  X(611, kMsgTooFewSamples)       \
  X(612, kMsgLengthMismatch)      \
  X(613, kMsgReplyTooLong)

enum LinkMessage : int {
#define PELMORAN_LINK_MESSAGE_ID(id, name) name = id,
  PELMORAN_LINK_MESSAGES(PELMORAN_LINK_MESSAGE_ID)
#undef PELMORAN_LINK_MESSAGE_ID
};

// The cause message of a failed VISA call (connection lost, time-out, lock,
// anything else an input/output error).
LinkMessage CauseOf(ViStatus status);
