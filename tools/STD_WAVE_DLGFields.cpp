// The standard waveform dialog's field handlers: character and range checks
// as the user types and leaves fields, the preview's Y axis, and a new
// preview after every accepted change.
#include "tools/STD_WAVE_DLG.h"

#include "platform/window/Controls.h"
#include "tools/ToolSupport.h"

#include <algorithm>
#include <cctype>

namespace {

bool Digits(const CString& text, bool minusFirst) {
  for (int i = 0; i < text.GetLength(); ++i) {
    const char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c)) || c == '.') continue;
    if (minusFirst && c == '-' && i == 0) continue;
    return false;
  }
  return true;
}

}  // namespace

int CSTD_WAVE_DLG::LabelUnit() const {
  const CString label = ItemText(1277);
  if (label == "Vpp" || label == "vpp") return 0;
  if (label == "mvpp" || label == "mVpp") return 1;
  return -1;
}

double CSTD_WAVE_DLG::ConvertedOffset() const {
  return OffsetInAmplitudeUnit(m_dOffset, CurSel(1083), CurSel(1085));
}

// The full amplitude about the offset must stay within the output range.
bool CSTD_WAVE_DLG::OffsetLeavesRange(double offset) const {
  const int unit = CurSel(1083);
  if (unit != 0 && unit != 1) return false;
  const double limit = OutputLimit(unit);
  return m_dAmplitude + offset > limit || offset - m_dAmplitude < -limit;
}

// A write-back of values the handler has checked already: the fields'
// own handlers would only check them again, read the other fields back over
// the value just written and preview once more, so they are not run.
void CSTD_WAVE_DLG::WriteFieldsQuietly() {
  CNotifyLockout quiet(this);
  UpdateData(FALSE);
}

void CSTD_WAVE_DLG::SetYAxis(double minimum, double maximum) {
  tools::SetAxisRange(m_graph, "YAxis", minimum, maximum);
}

void CSTD_WAVE_DLG::OnChangeAmplitude() {
  const CString text = ItemText(1029);
  if (!Digits(text, false) || (text.GetLength() > 0 && text[0] == '.')) {
    CString zero;
    zero.Format("%.3f", 0.0);
    SetText(1029, zero);
    tools::ShowText(331);
    return;
  }
  if (!text.IsEmpty() && text != "-") UpdateData(TRUE);
  const double offset = ConvertedOffset();
  const double top = m_dAmplitude / 2 + offset, bottom = offset - m_dAmplitude / 2;
  const int unit = CurSel(1083);
  if (unit == 0 || unit == 1) {
    const double limit = OutputLimit(unit);
    if (top > limit || bottom < -limit) {
      tools::ShowText(316);
      SetText(1029, unit == 1 ? "2" : "0.002");
      return;
    }
  }
  SetYAxis(bottom, top);
  GenerateWave(CurSel(1080));
}

void CSTD_WAVE_DLG::OnChangeOffset() {
  const CString text = ItemText(1086);
  if (!Digits(text, true)) {
    tools::ShowText(331);
    SetText(1086, "0");
    return;
  }
  if (text.IsEmpty()) return;
  if (text != "-") UpdateData(TRUE);
  if (OffsetLeavesRange(ConvertedOffset())) {
    tools::ShowText(317);
    m_dOffset = 0.0;
    WriteFieldsQuietly();
  }
  const double offset = ConvertedOffset();
  if (CurSel(1080) == kShapeDC)
    SetYAxis(offset - 3, offset + 3);
  else
    SetYAxis(offset - m_dAmplitude, offset + m_dAmplitude);
  GenerateWave(CurSel(1080));
}

void CSTD_WAVE_DLG::OnChangeLimited(int id, double& member, double top) {
  if (ItemText(id).IsEmpty()) return;
  UpdateData(TRUE);
  member = std::clamp(member, 0.0, top);
  WriteFieldsQuietly();
  CEdit* edit = static_cast<CEdit*>(GetDlgItem(id));
  int start = 0, end = 0;
  edit->GetSel(start, end);
  if (start == end) edit->SetSel(start + 1, start + 1);
  GenerateWave(CurSel(1080));
}

void CSTD_WAVE_DLG::OnSelchangeOffsetUnit() {
  UpdateData(TRUE);
  const double offset = ConvertedOffset();
  if (OffsetLeavesRange(offset)) {
    tools::ShowText(317);
    m_dOffset = 0.0;
    WriteFieldsQuietly();
    return;
  }
  if (CurSel(1080) == kShapeDC)
    SetYAxis(offset - 3, offset + 3);
  else
    SetYAxis(offset - m_dAmplitude, offset + m_dAmplitude);
  GenerateWave(CurSel(1080));
}

void CSTD_WAVE_DLG::OnSelchangeAmplitudeUnit() {
  UpdateData(TRUE);
  const double offset = ConvertedOffset();
  SetYAxis(offset - m_dAmplitude, offset + m_dAmplitude);
  GenerateWave(CurSel(1080));
}

void CSTD_WAVE_DLG::OnKillfocusAmplitude() {
  const int unit = LabelUnit();
  if (unit < 0) return;
  if (ItemText(1029).IsEmpty()) {
    tools::ShowText(331);
    SetText(1029, unit == 0 ? "0.002" : "2");
  }
  const double minimum = unit == 0 ? 0.001 : 1.0;
  if (m_dAmplitude < minimum) {
    tools::ShowText(329);
    m_dAmplitude = minimum;
    SetText(1029, unit == 0 ? "0.001" : "1");
  }
}

void CSTD_WAVE_DLG::RefillIfEmpty(int id, const char* text) {
  if (!ItemText(id).IsEmpty()) return;
  tools::ShowText(331);
  SetText(id, text);
}
