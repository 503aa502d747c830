#pragma once
// COleCurrency: a currency value (CY, a 64-bit count of ten-thousandths)
// with the framework's status.

#include "platform/com/Variant.h"

class COleCurrency {
 public:
  enum CurrencyStatus { valid = 0, invalid = 1, null = 2 };

  COleCurrency() = default;
  COleCurrency(CURRENCY cySrc) : m_cur(cySrc) {}
  // nUnits whole units and nFractionalUnits ten-thousandths.
  COleCurrency(LONG nUnits, LONG nFractionalUnits)
      : m_cur{LONGLONG{nUnits} * 10000 + nFractionalUnits} {}

  CurrencyStatus GetStatus() const { return m_status; }
  void SetStatus(CurrencyStatus status) { m_status = status; }
  operator CURRENCY() const { return m_cur; }

  CURRENCY m_cur{0};
  CurrencyStatus m_status = valid;
};
