#pragma once
// CTime: a point in time in whole seconds since 1970 (UTC); the calendar
// fields and Format are in local time, as the platform's are.

#include "platform/afx/String.h"

#include <cstdint>
#include <ctime>

class CTime {
 public:
  CTime() = default;
  CTime(std::int64_t time) : m_time(time) {}
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);

  static CTime GetCurrentTime();
  std::int64_t GetTime() const { return m_time; }

  int GetYear() const;
  int GetMonth() const;
  int GetDay() const;
  int GetHour() const;
  int GetMinute() const;
  int GetSecond() const;
  int GetDayOfWeek() const;  // 1 = Sunday

  // strftime-style format of the local time.
  CString Format(LPCSTR pszFormat) const;

  friend auto operator<=>(const CTime&, const CTime&) = default;

 private:
  std::tm Local() const;
  std::int64_t m_time = 0;
};
