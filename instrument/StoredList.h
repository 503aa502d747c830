#pragma once
// The generators' stored-waveform list replies ("STL M50, sine, M51, EMPTY"),
// as the send, read and step-test dialogs take them into g_StoredWaves.

#include "platform/afx/String.h"

// The reply without its keyword: leading S, T and L, then s, t and l, then
// blanks are dropped (a character set each, not a word: the reply "STLT5,w"
// keeps "5,w").
CString WithoutListKeyword(const CString& reply);

// The comma-separated tokens as pairs into g_StoredWaves from row 0: the 1st,
// 3rd ... token is a row's position, the 2nd, 4th ... its name; the text after
// the last comma is the name of the row being filled. Rows beyond those
// written keep what they held. Positions are trimmed of blanks; names too,
// except that with `trimEveryName` false a name of exactly one blank stays
// and the last one is kept as it came. A text that is empty, has no comma or
// begins with one stores nothing.
void ParseStoredPairs(const CString& text, bool trimEveryName);

// Whether a listed name stands for a stored waveform: after trimming blanks
// it is neither empty nor one of the words for a free slot, "EMPTY" and
// "NULL" (in any case when asked).
bool IsStoredWaveName(const CString& name, bool ignoreCase = false);
