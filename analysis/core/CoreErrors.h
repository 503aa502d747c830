#pragma once
// Result codes of the analysis core routines: 0 for success, a negative code
// for the first failing check. The numbers are those of SG::MathError, whose
// table in containers/ holds their texts; the facade checks that they agree.
namespace SgCore {

enum CoreError : int {
  ErrNone = 0,
  ErrOutOfMemory = -20001,
  ErrSizeMismatch = -20002,
  ErrSamplesGtZero = -20003,
  ErrSamplesGeZero = -20004,
  ErrSamplesGeTwo = -20006,
  ErrSamplesGeThree = -20007,
  ErrArrayConditions = -20008,
  ErrPowerOfTwo = -20009,
  ErrCycles = -20012,
  ErrDelayWidth = -20014,
  ErrDtDx = -20016,
  ErrIndex = -20017,
  ErrIndexLength = -20018,
  ErrUpperLower = -20019,
  ErrCutoff = -20020,
  ErrOrder = -20021,
  ErrDecimation = -20022,
  ErrBand = -20023,
  ErrRipple = -20024,
  ErrAttenuation = -20025,
  ErrFinalValue = -20027,
  ErrAttenuationRipple = -20028,
  ErrFilterDesign = -20031,
  ErrOddTaps = -20033,
  ErrEvenTaps = -20034,
  ErrSecondArraySign = -20036,
  ErrSizeOrder = -20037,
  ErrSquareMatrix = -20040,
  ErrSingular = -20041,
  ErrObservations = -20044,
  ErrDistinctX = -20049,
  ErrPole = -20050,
  ErrDimensions = -20058,
  ErrDivideByZero = -20060,
  ErrSelection = -20061,
  ErrMaxIterations = -20062,
  ErrPolynomial = -20063,
  ErrNoiseInit = -20064,
  ErrAllZero = -20065,
  ErrIirInit = -20066,
  ErrOrderGeZero = -20103,
  ErrInternal = -20999,
  ErrRankDeficient = 20001,
};

}  // namespace SgCore
