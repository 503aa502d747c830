#pragma once
// Where the samples of a CSV or DAT file are, found in the text of its first
// chunk (the text after any byte-order mark).
//
// CSV, tried in this order:
//  1. a column header "Second,Volt", "xpos,value" or "Time,Ampl" (the first
//     of them found, in that order): the data lines follow its line and hold
//     the sample in the field after the header's first field;
//  2. unless the text holds "Horizontal": the first line whose first field
//     is made of number characters and is followed by a comma starts the
//     data; the sample is the second field;
//  3. single-column layouts, from the first line that is not blank: a line
//     holding "Points" is followed by lines whose sample is the text after
//     their last comma; one holding "Amplitude" by one value a line; a line
//     without a comma is itself the first value; a line with a comma is
//     skipped with the two lines after it, and one value a line follows.
// The lines before the data may hold "frequency" with one separator and the
// frequency in Hz after it.
//
// DAT: no header. The first line that is not blank chooses the separator
// (a comma, else a tab, else blanks, else none), its first field must be
// made of number characters (an empty one is), and every line from it holds
// the sample in its second field (the whole line when there is no
// separator).

#include "waveform/files/TextWaveReader.h"

#include <string_view>

// The three column headers, in the order they are tried.
inline constexpr std::string_view kCsvColumnHeaders[] = {"Second,Volt", "xpos,value", "Time,Ampl"};

// CSV: always finds a layout (the single-column one at the least).
DataLayout FindCsvLayout(std::string_view text, bool whole);

// DAT: false when there is no line (firstLine 0), or the first field of the
// first line holds a character that is not a number character (firstLine
// names that line, and the line
// "check_format_vaild fail:c_num=<code>,ypos=<index>" on standard output
// names the character: its code as a signed byte, its index in the line).
bool FindDatLayout(std::string_view text, bool whole, DataLayout& layout);
