#pragma once
// The link's own failure messages, written once: id (the language files hold
// the translations under it), name and the English text shown where the
// language file has none. "##" and "@@" are replaced before display. Ids 600
// to 603 are causes, set into the "##" of the messages that name one.

#include "platform/afx/String.h"
#include "platform/visa/VisaTypes.h"

#define PELMORAN_LINK_MESSAGES(X)                                                                \
  X(600, kMsgConnectionLost, "the connection to the instrument was lost")                        \
  X(601, kMsgTimedOut, "the instrument did not answer in time")                                  \
  X(602, kMsgLocked, "the instrument is locked by another connection")                           \
  X(603, kMsgIoError, "an input/output error occurred on the connection to the instrument")      \
  X(604, kMsgSendFailed,                                                                         \
    "The waveform was not sent: ##. The instrument was cleared; nothing was committed.")         \
  X(605, kMsgPartialUsbWrite,                                                                    \
    "The instrument took only ## of the @@ bytes of the waveform; nothing was committed.")       \
  X(606, kMsgBadWaveName,                                                                        \
    "The waveform name \"##\" holds a comma or a control character; rename it before sending.")  \
  X(607, kMsgWaveTooLong,                                                                        \
    "The waveform is too long to send: its block needs more than 41,943,042 bytes.")             \
  X(608, kMsgReadFailed, "The waveform was not read: ##.")                                       \
  X(609, kMsgNoParamReply,                                                                       \
    "The generator did not answer the parameter request; nothing was read.")                     \
  X(610, kMsgNoWaveData, "The generator's data reply holds no waveform data; nothing was read.") \
  X(611, kMsgTooFewSamples,                                                                      \
    "The generator's waveform holds fewer than two samples; nothing was read.")                  \
  X(612, kMsgLengthMismatch,                                                                     \
    "The generator sent ## bytes of samples where its reply announced @@; nothing was read.")    \
  X(613, kMsgReplyTooLong,                                                                       \
    "The generator's data reply is longer than 41,943,042 bytes; nothing was read.")

enum LinkMessage : int {
#define PELMORAN_LINK_MESSAGE_ID(id, name, english) name = id,
  PELMORAN_LINK_MESSAGES(PELMORAN_LINK_MESSAGE_ID)
#undef PELMORAN_LINK_MESSAGE_ID
};

// The English text of a link message, or nullptr for another id.
const char* LinkMessageEnglish(int id);

// The cause message of a failed VISA call (connection lost, time-out, lock,
// anything else an input/output error).
LinkMessage CauseOf(ViStatus status);
