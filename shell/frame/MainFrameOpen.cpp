// Opening a waveform file: the name it gives is checked, its extension
// chooses the reader, and the record the reader finished goes into the
// store with its window. A name enters the list of names in use only with
// its record, so a failed open leaves nothing behind.
#include "shell/frame/MainFrame.h"

#include "platform/window/MessageBox.h"
#include "platform/window/View.h"
#include "shell/base/ActiveChild.h"
#include "waveform/PrivateMessages.h"
#include "waveform/WaveCollections.h"
#include "waveform/files/WaveFileOpen.h"

#include <QFileInfo>

namespace {
void ShowFileMessage(HWND owner, const WaveFileStatus& status, const CString& name) {
  const CString text = FillWaveFileMessage(ShellText(status.messageId), status, name);
  MessageBox(owner, text, nullptr, MB_OK);
}
}  // namespace

bool CMainFrame::OpenWaveFile(const CString& path) {
  const QFileInfo file(QString::fromUtf8(path.GetString()));
  const CString title(file.completeBaseName().toUtf8().constData());
  const CString extension(file.suffix().toUtf8().constData());
  if (const int id = CheckOpenTitle(title, g_WaveNameList.Find(title) >= 0)) {
    ShowFileMessage(m_hWnd, WaveFileStatus::Failure(id), title);
    return false;
  }
  const WaveFileKind kind = WaveFileKindOf(extension);
  if (kind == WaveFileKind::Unknown) {
    ShowFileMessage(
        m_hWnd, WaveFileStatus::Failure(WaveFileMessage::kUnknownFileType, 0, extension), title);
    return false;
  }
  CWaveData wave;
  const WaveFileStatus status = ReadWaveFile(kind, path, title, wave);
  if (!status.ok()) {
    ShowFileMessage(m_hWnd, status, title);
    return false;
  }
  g_nPointCount = wave.samplecount;
  g_bEditEnable = false;
  const int index = g_WaveArray.Add(std::move(wave));
  if (!OpenWaveWindow()) {
    g_WaveArray.RemoveAt(index);  // no window shows it: the waveform is not kept
    return false;
  }
  RelayToActiveView(WM_WAVE_REPLOT);
  TranslateMenus();
  UpdateFrameTitle();
  if (status.noticeId) ShowFileMessage(m_hWnd, WaveFileStatus::Failure(status.noticeId), title);
  return true;
}
