#pragma once
// COleDateTime: an OLE date (days since 30 December 1899, the time of day
// as the fraction) with the framework's status; dates outside 1 January 100
// to 31 December 9999 are invalid.

#include "platform/afx/String.h"

constexpr DWORD VAR_TIMEVALUEONLY = 0x00000001;
constexpr DWORD VAR_DATEVALUEONLY = 0x00000002;

class COleDateTime {
 public:
  enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

  COleDateTime() = default;
  COleDateTime(DATE dtSrc);

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }
  operator DATE() const { return m_dt; }

  // The platform's text of the date in the user's default form
  // ("M/D/YYYY h:mm:ss AM", the date alone at midnight, the time alone on
  // day 0); VAR_TIMEVALUEONLY or VAR_DATEVALUEONLY keep one part. An
  // invalid value gives "Invalid DateTime", a null one an empty text.
  CString Format(DWORD dwFlags = 0, LCID lcid = 0x0400) const;

  DATE m_dt = 0.0;
  DateTimeStatus m_status = valid;
};
