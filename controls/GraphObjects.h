#pragma once
// The graph's sub-objects behind the private interfaces: the plots, axes and
// cursors collections and their items, ticks, labels and value pairs. Each
// edits the shared graph model and asks for a repaint; none raises an event
// (events come only from the user's mouse).

#include "controls/GraphModel.h"
#include "controls/SlotObject.h"

#include <memory>

namespace hosted {

// Each returns a new object with one reference for the caller.
SG::SlotObject* NewPlotsObject(std::shared_ptr<Graph> graph);
SG::SlotObject* NewPlotObject(std::shared_ptr<Graph> graph, std::shared_ptr<Plot> plot);
SG::SlotObject* NewAxesObject(std::shared_ptr<Graph> graph);
SG::SlotObject* NewAxisObject(std::shared_ptr<Graph> graph, std::shared_ptr<Axis> axis);
SG::SlotObject* NewCursorsObject(std::shared_ptr<Graph> graph);

// Plot data from a VARIANT: a one-dimensional array of any numeric type
// (single precision kept as it is) or a single number. Null for anything
// else.
// reuse: storage the result may take over (left alone on failure); summary:
// when its width is set, the samples are summarised while copied.
struct ColumnCache;
std::shared_ptr<SampleData> SamplesFromVariant(const VARIANT& v,
                                               std::shared_ptr<SampleData>* reuse = nullptr,
                                               ColumnCache* summary = nullptr);

}  // namespace hosted
