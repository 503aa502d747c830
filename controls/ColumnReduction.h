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

// Samples at x = first + i * step (step > 0) over the X range [xMin, xMax]
// spread on width columns.
std::vector<ColumnExtent> ReduceColumns(const SampleData& data, double first, double step, double xMin,
                                        double xMax, int width);

// The index range [begin, end) of the samples inside [xMin, xMax].
void VisibleRange(size_t count, double first, double step, double xMin, double xMax, size_t* begin,
                  size_t* end);

}  // namespace hosted
