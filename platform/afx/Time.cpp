#include "platform/afx/Time.h"

#include "platform/afx/Exception.h"

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  std::tm t{};
  t.tm_year = nYear - 1900;
  t.tm_mon = nMonth - 1;
  t.tm_mday = nDay;
  t.tm_hour = nHour;
  t.tm_min = nMin;
  t.tm_sec = nSec;
  t.tm_isdst = -1;
  const std::time_t value = std::mktime(&t);
  if (value == static_cast<std::time_t>(-1)) AfxThrowInvalidArgException();
  m_time = value;
}

CTime CTime::GetCurrentTime() { return CTime(static_cast<std::int64_t>(std::time(nullptr))); }

std::tm CTime::Local() const {
  const std::time_t value = static_cast<std::time_t>(m_time);
  std::tm t{};
  if (!localtime_r(&value, &t)) AfxThrowInvalidArgException();
  return t;
}

int CTime::GetYear() const { return Local().tm_year + 1900; }
int CTime::GetMonth() const { return Local().tm_mon + 1; }
int CTime::GetDay() const { return Local().tm_mday; }
int CTime::GetHour() const { return Local().tm_hour; }
int CTime::GetMinute() const { return Local().tm_min; }
int CTime::GetSecond() const { return Local().tm_sec; }
int CTime::GetDayOfWeek() const { return Local().tm_wday + 1; }

CString CTime::Format(LPCSTR pszFormat) const {
  const std::tm t = Local();
  char buffer[256];
  const std::size_t n = std::strftime(buffer, sizeof buffer, pszFormat ? pszFormat : "", &t);
  return CString(buffer, static_cast<int>(n));
}
