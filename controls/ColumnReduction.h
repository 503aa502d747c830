#pragma once
// The per-pixel-column summary a long plot is drawn from: for each column of
// the plot area the first, last, smallest and largest sample that falls in
// it. One pass over the visible samples; the draw then costs two segments a
// column however many samples there are, and no peak is lost.

#include "controls/GraphModel.h"

#include <vector>

namespace hosted {

struct ColumnExtent {
  double first = 0.0, last = 0.0, minimum = 0.0, maximum = 0.0;
  bool used = false;
};

// A summary and what it was made for.
struct ColumnCache {
  const SampleData* data = nullptr;
  uint64_t version = 0;
  double first = 0, step = 1, xMin = 0, xMax = 0;
  int width = 0;
  std::vector<ColumnExtent> columns;
  bool Matches(const SampleData& d, double f, double s, double lo, double hi, int w) const {
    return data == &d && version == d.version && first == f && step == s && xMin == lo &&
           xMax == hi && width == w;
  }
};

// Copies count samples into target (resized) and summarises them in the
// same pass, for cache's range and width (its columns are filled).
void CopyAndReduce(const float* source, size_t count, SampleVector<float>& target,
                   ColumnCache& cache);
void CopyAndReduce(const double* source, size_t count, SampleVector<double>& target,
                   ColumnCache& cache);

// Samples at x = first + i * step (step > 0) over the X range [xMin, xMax]
// spread on width columns.
std::vector<ColumnExtent> ReduceColumns(const SampleData& data, double first, double step,
                                        double xMin, double xMax, int width);

// The index range [begin, end) of the samples inside [xMin, xMax].
void VisibleRange(size_t count, double first, double step, double xMin, double xMax, size_t* begin,
                  size_t* end);

}  // namespace hosted
