#pragma once
// Ids of the message texts the tools add to the language files (the 680s);
// the texts themselves are in resources/inventory.txt.

// A result holds samples that are not finite numbers; nothing is changed.
constexpr int kMsgNotFinite = 680;
// A point count below 1 in the point-list dialog.
constexpr int kMsgPointCountTooSmall = 681;
