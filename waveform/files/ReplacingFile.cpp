#include "waveform/files/ReplacingFile.h"

#include "waveform/files/FileErrorText.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <random>
#include <system_error>

namespace {

WaveFileStatus WriteFailure(CString detail) {
  return WaveFileStatus::Failure(WaveFileMessage::kCannotWriteFile, 0, std::move(detail));
}

}  // namespace

ReplacingFile::ReplacingFile(const CString& target) : m_target(AfxNativePath(target)) {}

ReplacingFile::~ReplacingFile() {
  if (m_committed || m_temporary.IsEmpty()) return;
  m_file.Abort();
  std::error_code ec;
  std::filesystem::remove(m_temporary.str(), ec);
}

bool ReplacingFile::Open(WaveFileStatus& status) {
  // A name of the target's folder that nothing else uses.
  std::random_device random;
  CFileStatus existing;
  do {
    m_temporary.Format("%s.~%08x%08x", m_target.GetString(), random(), random());
  } while (CFile::GetStatus(m_temporary, existing));
  CFileException error;
  if (!m_file.Open(m_temporary, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary, &error)) {
    m_temporary.Empty();
    char text[512] = {};
    error.GetErrorMessage(text, sizeof text);
    status = WriteFailure(CString(text));
    return false;
  }
  m_block.resize(kBlock);
  return true;
}

void ReplacingFile::Append(const char* text, std::size_t n) {
  std::memcpy(Room(n), text, n);
  Advance(n);
}

void ReplacingFile::Drain(std::size_t room) {
  if (m_used) m_file.Write(m_block.data(), static_cast<UINT>(m_used));
  m_used = 0;
  if (room > m_block.size()) m_block.resize(room);
}

bool ReplacingFile::Commit(WaveFileStatus& status) {
  try {
    Drain(0);
    m_file.Close();
  } catch (CException* e) {
    status = WriteFailure(TakeExceptionText(e));
    return false;
  }
  std::error_code ec;
  // The replacement keeps the permissions the earlier file had.
  const auto earlier = std::filesystem::status(m_target.str(), ec);
  if (!ec && std::filesystem::is_regular_file(earlier))
    std::filesystem::permissions(m_temporary.str(), earlier.permissions(), ec);
  std::filesystem::rename(m_temporary.str(), m_target.str(), ec);
  if (ec) {
    status = WriteFailure(CString(ec.message()));
    return false;
  }
  m_committed = true;
  return true;
}
