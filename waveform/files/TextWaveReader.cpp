#include "waveform/files/TextWaveReader.h"

#include "containers/SgAllocate.h"
#include "waveform/files/FileErrorText.h"
#include "waveform/files/LineChunks.h"
#include "waveform/files/ReadRecord.h"
#include "waveform/files/SampleScan.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

// The field of line that rule names; false when the line has too few fields.
bool FieldOf(std::string_view line, const FieldRule& rule, std::string_view& field) {
  switch (rule.split) {
    case FieldRule::Split::Whole: field = line; return true;
    case FieldRule::Split::LastComma: {
      const std::size_t comma = line.rfind(',');
      field = comma == std::string_view::npos ? line : line.substr(comma + 1);
      return true;
    }
    case FieldRule::Split::Separator:
      for (int i = 0; i < rule.column; ++i) {
        const std::size_t at = line.find(rule.separator);
        if (at == std::string_view::npos) return false;
        line.remove_prefix(at + 1);
      }
      field = line.substr(0, line.find(rule.separator));
      return true;
    case FieldRule::Split::Blanks:
      line = SkipBlanks(line);
      for (int i = 0; i < rule.column; ++i) {
        std::size_t end = 0;
        while (end < line.size() && !IsBlank(line[end])) ++end;
        line = SkipBlanks(line.substr(end));
      }
      field = line.substr(0, std::min(line.find(' '), line.find('\t')));
      return !field.empty();
  }
  return false;
}

// Room for the values of a file of `length` bytes, judged from the lines of
// its first chunk, so that the array seldom grows while reading.
std::size_t ExpectedValues(std::string_view firstChunk, unsigned long long length,
                           std::size_t limit) {
  const auto lines = std::count(firstChunk.begin(), firstChunk.end(), '\n') + 1;
  const double perLine = std::max<double>(1.0, static_cast<double>(firstChunk.size()) / lines);
  const double expected = static_cast<double>(length) / perLine * 1.05 + 16;
  return static_cast<std::size_t>(std::min(expected, static_cast<double>(limit) + 1));
}

}  // namespace

bool read_outfile_wave_data_main_t::read_next_value(std::string_view line, const FieldRule& rule,
                                                    double& value) {
  if (rule.single && line.find(',') != std::string_view::npos) return false;
  std::string_view field;
  return FieldOf(line, rule, field) && ScanField(field, value);
}

int read_outfile_wave_data_main_t::Fail(WaveFileStatus status) {
  m_status = std::move(status);
  m_wave = CWaveData();
  return -1;
}

int read_outfile_wave_data_main_t::read_file(const CString& path, const CString& title) {
  CFile file;
  WaveFileStatus status;
  if (!OpenForReading(file, path, status)) return Fail(status);
  return read_file(file, path, title);
}

int read_outfile_wave_data_main_t::read_file(CFile& file, const CString& path,
                                             const CString& title) {
  m_status = WaveFileStatus();
  try {
    return ReadLines(file, path, title);
  } catch (CException* e) {
    return Fail(WaveFileStatus::Failure(WaveFileMessage::kCannotReadFile, 0, TakeExceptionText(e)));
  } catch (const std::bad_alloc&) {
    return Fail(WaveFileStatus::Failure(failure_message()));
  }
}

int read_outfile_wave_data_main_t::ReadLines(CFile& file, const CString& path,
                                             const CString& title) {
  LineChunks lines(file, m_chunk);
  DataLayout layout;
  if (!find_data_start(lines.Unread(), lines.AtEnd(), layout))
    return Fail(WaveFileStatus::Failure(failure_message(), layout.firstLine));

  const std::size_t limit = value_limit();
  std::vector<float> values;
  values.reserve(ExpectedValues(lines.Unread(), file.GetLength(), limit));
  // Tens of megabytes for a long file: on huge pages, as the samples are.
  SG::AdviseHugePages(values.data(), values.capacity() * sizeof(float));
  float largest = 0.0f, smallest = 0.0f;
  std::string_view line;
  while (lines.Next(line)) {
    if (lines.LineNumber() < layout.firstLine || IsBlankLine(line)) continue;
    double value = 0.0;
    if (!read_next_value(line, layout.rule, value))
      return Fail(WaveFileStatus::Failure(WaveFileMessage::kUnreadableLine, lines.LineNumber()));
    const auto sample = static_cast<float>(value);
    if (!std::isfinite(sample))
      return Fail(WaveFileStatus::Failure(failure_message(), lines.LineNumber()));
    if (values.size() >= limit) return Fail(WaveFileStatus::Failure(failure_message()));
    if (values.empty()) {
      largest = smallest = sample;
    } else if (sample > largest) {
      largest = sample;
    } else if (sample < smallest) {
      smallest = sample;
    }
    values.push_back(sample);
  }
  if (lines.TooLong())
    return Fail(WaveFileStatus::Failure(WaveFileMessage::kUnreadableLine, lines.LineNumber()));
  if (values.size() < 2) return Fail(WaveFileStatus::Failure(failure_message()));

  double frequency = kDefaultFrequency;
  if (layout.hasFrequency) {
    if (layout.frequency > 0.0 && std::isfinite(layout.frequency) &&
        std::isfinite(1000.0 / layout.frequency))
      frequency = layout.frequency;
    else
      m_status.noticeId = WaveFileMessage::kFrequencyDefaulted;
  }
  CompleteReadRecord(m_wave, path, title, values.data(), static_cast<unsigned>(values.size()),
                     largest, smallest, frequency);
  return 0;
}
