#pragma once
// The point drawing's fills: a new waveform through a list of feature points
// joined by straight lines or by a cubic spline. A list holds point 0 (index
// 0, value 0.0, where every drawn waveform starts) and the user's points
// after it; the fills expect it sorted by index (SortSplinePoints).

#include "containers/CSgScalarVector.h"
#include "waveform/SplinePoint.h"

#include <vector>

namespace drawing {

using PointList = std::vector<SplinePoint>;

// Sorts points 1.. by index; point 0 never moves. Points of equal index keep
// the order this exchange sort gives them (the one the program has always
// used, so a list sorts as it did before): name, index and value move
// together, the waveform key stays in place.
void SortSplinePoints(PointList& points);

// The number of filled values a sorted list gives: its last index + 1 (0 for
// a list without points or one ending below 0).
unsigned int FilledLength(const PointList& points);

// Straight lines between neighbouring points: from a point of value a at
// index c to the next of value b at index d, sample c + t becomes
// a + t (b - a) / (d - c), so each segment reaches its points' values. Two
// points at one index make an empty segment. result becomes FilledLength
// values, sample 0 0.0.
void FillLinear(SG::CSgScalarVector<double>& result, const PointList& points);

// A cubic spline through the points with zero slope at the first and the
// last, evaluated at every sample from 1 to the last point's index (sample 0
// stays 0.0). Two points at one index raise the analysis library's
// exception (SG::CSgMathException, thrown by pointer: "x-values must be
// distinct."); result is unchanged then.
void FillSpline(SG::CSgScalarVector<double>& result, const PointList& points);

// The waveform of `length` samples the filled values make: each value
// clipped into -half .. half (a value that is not a number gives 0.0),
// samples past the filled values 0.0, values past the end left out.
SG::CSgScalarVector<float> PointWave(const SG::CSgScalarVector<double>& filled, unsigned int length,
                                     double half);

}  // namespace drawing
