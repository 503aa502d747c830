#include "platform/afx/OleDateTime.h"

#include "platform/com/DateText.h"

#include <cmath>

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc) {
  if (!(dtSrc >= kMinDate && dtSrc <= kMaxDate)) m_status = invalid;
}

CString COleDateTime::Format(DWORD dwFlags, LCID) const {
  if (m_status == null) return CString();
  if (m_status != valid) return CString("Invalid DateTime");
  DATE date = m_dt;
  if (dwFlags & VAR_TIMEVALUEONLY)
    date = std::fabs(m_dt - std::trunc(m_dt));  // day 0 at that time
  else if (dwFlags & VAR_DATEVALUEONLY)
    date = std::trunc(m_dt);  // that day at midnight
  return CString(DateToText(date).value_or(std::string()).c_str());
}
