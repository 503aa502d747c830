#include "waveform/files/TextLayouts.h"

#include "waveform/files/LineChunks.h"
#include "waveform/files/SampleScan.h"

#include <algorithm>
#include <cstdio>

namespace {

std::string_view Trimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

long long LineNumberAt(std::string_view text, std::size_t offset) {
  return std::count(text.begin(), text.begin() + offset, '\n') + 1;
}

// The first line that is not blank, with its number and the text after it.
bool FirstFilledLine(std::string_view& rest, bool whole, std::string_view& line,
                     long long& number) {
  number = 0;
  while (TakeLine(rest, line, whole)) {
    ++number;
    if (!IsBlankLine(line)) return true;
  }
  return false;
}

// The frequency of "frequency" and one separator in the header block: the
// text before the data's first line.
void ReadFrequency(std::string_view text, DataLayout& layout) {
  std::size_t blockEnd = 0;
  for (long long line = 1; line < layout.firstLine && blockEnd < text.size(); ++line) {
    const std::size_t lf = text.find('\n', blockEnd);
    blockEnd = lf == std::string_view::npos ? text.size() : lf + 1;
  }
  const std::size_t key = text.substr(0, blockEnd).find("frequency");
  if (key == std::string_view::npos) return;
  std::string_view value = text.substr(std::min(key + 10, text.size()));
  value = value.substr(0, value.find('\n'));
  double frequency = 0.0;
  layout.hasFrequency = true;
  layout.frequency = ScanNumber(value, frequency) ? frequency : 0.0;
}

bool FindColumnHeader(std::string_view text, DataLayout& layout) {
  for (std::string_view header : kCsvColumnHeaders) {
    const std::size_t at = text.find(header);
    if (at == std::string_view::npos) continue;
    const std::size_t lineStart = text.rfind('\n', at) + 1;  // npos + 1 == 0
    const auto commas = std::count(text.begin() + lineStart, text.begin() + at, ',');
    layout.firstLine = LineNumberAt(text, at) + 1;
    layout.rule = {FieldRule::Split::Separator, ',', static_cast<int>(commas) + 1, false};
    return true;
  }
  return false;
}

bool FindNumericLine(std::string_view text, bool whole, DataLayout& layout) {
  if (text.find("Horizontal") != std::string_view::npos) return false;
  std::string_view rest = text, line;
  for (long long number = 1; TakeLine(rest, line, whole); ++number) {
    const std::size_t comma = line.find(',');
    if (comma != std::string_view::npos && IsNumberField(line.substr(0, comma))) {
      layout.firstLine = number;
      layout.rule = {FieldRule::Split::Separator, ',', 1, false};
      return true;
    }
  }
  return false;
}

void SingleColumn(std::string_view text, bool whole, DataLayout& layout) {
  std::string_view rest = text, line;
  long long number = 0;
  layout.rule = {FieldRule::Split::Whole, ',', 0, true};
  if (!FirstFilledLine(rest, whole, line, number)) return;
  if (line.find("Points") != std::string_view::npos) {
    layout.firstLine = number + 1;
    layout.rule = {FieldRule::Split::LastComma, ',', 0, false};
  } else if (line.find("Amplitude") != std::string_view::npos) {
    layout.firstLine = number + 1;
  } else if (line.find(',') == std::string_view::npos) {
    layout.firstLine = number;
  } else {
    layout.firstLine = number + 3;
  }
}

}  // namespace

DataLayout FindCsvLayout(std::string_view text, bool whole) {
  DataLayout layout;
  if (!FindColumnHeader(text, layout) && !FindNumericLine(text, whole, layout))
    SingleColumn(text, whole, layout);
  ReadFrequency(text, layout);
  return layout;
}

bool FindDatLayout(std::string_view text, bool whole, DataLayout& layout) {
  std::string_view rest = text, line;
  if (!FirstFilledLine(rest, whole, line, layout.firstLine)) {
    layout.firstLine = 0;
    return false;
  }
  std::string_view first;
  if (line.find(',') != std::string_view::npos) {
    layout.rule = {FieldRule::Split::Separator, ',', 1, false};
    first = line.substr(0, line.find(','));
  } else if (line.find('\t') != std::string_view::npos) {
    layout.rule = {FieldRule::Split::Separator, '\t', 1, false};
    first = line.substr(0, line.find('\t'));
  } else if (Trimmed(line).find(' ') != std::string_view::npos) {
    layout.rule = {FieldRule::Split::Blanks, ' ', 1, false};
    first = Trimmed(line);
    first = first.substr(0, first.find(' '));
  } else {
    layout.rule = {FieldRule::Split::Whole, ',', 0, false};
    first = line;
  }
  // Every character of the first field must be a number character; an empty
  // field (the line starts with its separator) has none that is not.
  const std::string_view field = Trimmed(first);
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (IsNumberChar(field[i])) continue;
    // The program names the line's first foreign character on standard
    // output: its code as a signed byte and its place in the line.
    std::printf("check_format_vaild fail:c_num=%d,ypos=%d\n",
                static_cast<int>(static_cast<signed char>(field[i])),
                static_cast<int>(field.data() + i - line.data()));
    std::fflush(stdout);
    return false;
  }
  return true;
}
