#pragma once
// Ids of the message texts the waveform commands add to the language files
// (the view shows them by id, like the texts 302 and 303).

// An edit refused because a selection cursor stands outside the samples.
constexpr int kMsgSelectionOutOfRange = 660;

// Point drawing asked for with fewer than one point.
constexpr int kMsgNoDrawingPoints = 661;

// A printed page that could not be written; "@@" is where it was to go.
constexpr int kMsgNotPrinted = 662;
