#include "containers/CSgExceptionT.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

using namespace SG;

// Every row of the analysis error table as users see it, in table order.
TEST(MathErrorTable, EveryCodeGivesItsText) {
  const struct {
    int code;
    const char* text;
  } rows[] = {
      {-20001, "There is not enough memory left to perform the specified routine."},
      {-20002, "Input sequences must be the same size."},
      {-20003, "Number of samples must be greater than zero."},
      {-20004, "Number of samples must be greater than or equal to zero."},
      {-20006, "Number of samples must be greater than or equal to two."},
      {-20007, "Number of samples must be greater than or equal to three."},
      {-20008, "Specified conditions on the input arrays have not been met."},
      {-20009, "Size of the input array must be a valid power of two: size = 2^m."},
      {-20012, "Number of cycles must meet the condition 0 < cycles <= samples."},
      {-20014, "Delay and width must meet the condition (delay + width) < samples."},
      {-20016, "dt or dx must be greater than zero."},
      {-20017, "Index must meet the condition 0 <= index < samples."},
      {-20018, "Index and length must meet the condition 0 <= (index + length) < samples."},
      {-20019, "Upper value must be greater than or equal to the lower value."},
      {-20020, "Cut-off frequency, fc, must meet the condition 0 <= fc <= (fs/2)."},
      {-20021, "Order must be greater than zero."},
      {-20022, "Decimating factor must meet the condition 0 < decimating factor <= samples."},
      {-20023, "Invalid band specification."},
      {-20024, "Ripple must be greater than zero."},
      {-20025, "Attenuation must be greater than zero."},
      {-20028, "Attenuation must be greater than the ripple amplitude."},
      {-20031, "Filter cannot be designed with the specified input parameters."},
      {-20033, "Number of coefficients must be odd for this filter."},
      {-20034, "Number of coefficients must be even for this filter."},
      {-20036, "Second array must be all positive or negative and nonzero."},
      {-20037, "Array size must be greater than the order."},
      {-20040, "Input matrix must be a square matrix."},
      {-20041, "Input matrix is singular. The system of equations cannot be solved."},
      {-20042, "Number of levels is outside the allowable range."},
      {-20043, "Level of factor is outside the allowable range."},
      {-20044, "There must be at least one observation."},
      // No-break spaces after "each" and around "x".
      {-20045,
       "Total number of data points must be equal to product of (levels/each\xC2\xA0"
       "factor)\xC2\xA0x\xC2\xA0(observations/cell)."},
      {-20047, "Data is unbalanced."},
      {-20048, "Random Effect model was requested when the Fixed Effect model is required."},
      {-20049, "x-values must be distinct."},
      {-20050, "Interpolating function has a pole at the requested value."},
      {-20051, "First column in the X matrix must be all ones."},
      {-20052, "Invalid degrees of freedom."},
      {-20053, "Probability must meet the condition 0 < p < 1."},
      {-20055, "Invalid number of categories or samples."},
      {-20056, "Contingency table has a negative number."},
      {-20057, "Parameter to the beta function must meet the condition 0 < p < 1."},
      {-20058, "Invalid number of dimensions or dependent variables."},
      {-20060, "Divide by zero."},
      {-20061, "Invalid selection."},
      {-20062, "Maximum iteration exceeded."},
      {-20063, "Invalid polynomial."},
      {-20065, "Elements of the vector cannot be all zero."},
      {-20066, "IIR filter not properly initialized."},
      {-20101, "Base must be less than top."},
      {-20102, "Shifts must meet the condition shifts< samples."},
      {-20103, "Order must be greater than or equal to zero."},
      {-20999, "Internal error."},
      {20001, "The matrix is rank deficient."},
  };
  ASSERT_EQ(std::size(rows), std::size(SgMathErrorTable));
  for (std::size_t i = 0; i < std::size(rows); ++i) {
    SCOPED_TRACE(rows[i].code);
    EXPECT_EQ(SgMathErrorTable[i].code, rows[i].code);
    CSgMathException e(rows[i].code, FALSE);
    EXPECT_EQ(std::string(e.GetErrorString()), std::string("Math Exception: ") + rows[i].text);
  }
}

}  // namespace
