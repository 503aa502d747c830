#pragma once
// The name of every slot, generated from the slot tables (SlotTables.h):
// GraphSlots::PlotSamples is the graph's plot-samples method,
// PlotSlots::GetLineColor and PlotSlots::SetLineColor the two slots of the
// plot's line-colour property, CollectionSlots::Item the item method of every
// collection. Facades call slots by these names, the controls handle them by
// these names, tests check them by these names: no slot number is written
// anywhere but in the tables.

#include "controls/SlotTables.h"
#include "platform/win/WinTypes.h"

#include <vector>

namespace SG {

#define SG_SLOT_NAME_P(get, set, K, Name) Get##Name = get, Set##Name = set,
#define SG_SLOT_NAME_G(slot, K, Name) Get##Name = slot,
#define SG_SLOT_NAME_O(slot, W, Name) Get##Name = slot,
#define SG_SLOT_NAME_OP(get, set, W, Name) Get##Name = get, Set##Name = set,
#define SG_SLOT_NAME_M(slot, Name) Name = slot,
#define SG_SLOT_NAMES(Names, SLOTS, METHODS)                                 \
  struct Names {                                                             \
    enum : UINT {                                                            \
      SLOTS(SG_SLOT_NAME_P, SG_SLOT_NAME_G, SG_SLOT_NAME_O, SG_SLOT_NAME_OP) \
          METHODS(SG_SLOT_NAME_M)                                            \
    };                                                                       \
  };

SG_SLOT_NAMES(GraphSlots, SG_GRAPH_SLOTS, SG_GRAPH_METHODS)
SG_SLOT_NAMES(NumEditSlots, SG_NUMEDIT_SLOTS, SG_NUMEDIT_METHODS)
SG_SLOT_NAMES(ButtonSlots, SG_BUTTON_SLOTS, SG_BUTTON_METHODS)
SG_SLOT_NAMES(CollectionSlots, SG_COLLECTION_SLOTS, SG_COLLECTION_METHODS)
SG_SLOT_NAMES(AxisSlots, SG_AXIS_SLOTS, SG_AXIS_METHODS)
SG_SLOT_NAMES(TicksSlots, SG_TICKS_SLOTS, SG_NO_METHODS)
SG_SLOT_NAMES(LabelsSlots, SG_LABELS_SLOTS, SG_NO_METHODS)
SG_SLOT_NAMES(ValuePairsSlots, SG_VALUEPAIRS_SLOTS, SG_VALUEPAIRS_METHODS)
SG_SLOT_NAMES(ValuePairSlots, SG_VALUEPAIR_SLOTS, SG_NO_METHODS)
SG_SLOT_NAMES(PlotSlots, SG_PLOT_SLOTS, SG_PLOT_METHODS)
SG_SLOT_NAMES(CursorSlots, SG_CURSOR_SLOTS, SG_CURSOR_METHODS)
SG_SLOT_NAMES(BindingSlots, SG_BINDING_SLOTS, SG_BINDING_METHODS)
SG_SLOT_NAMES(AnnotationSlots, SG_ANNOTATION_SLOTS, SG_ANNOTATION_METHODS)
SG_SLOT_NAMES(CaptionSlots, SG_CAPTION_SLOTS, SG_CAPTION_METHODS)
SG_SLOT_NAMES(ShapeSlots, SG_SHAPE_SLOTS, SG_SHAPE_METHODS)
SG_SLOT_NAMES(ArrowSlots, SG_ARROW_SLOTS, SG_NO_METHODS)
SG_SLOT_NAMES(ImageSlots, SG_IMAGE_SLOTS, SG_IMAGE_METHODS)

#undef SG_SLOT_NAMES

// Every method slot of a method table: what a control object accepts without
// effect where its handler does nothing with it.
#define SG_METHOD_SLOT(slot, Name) slot,
#define SG_METHOD_SLOTS(METHODS) std::vector<UINT>({METHODS(SG_METHOD_SLOT)})
#undef SG_SLOT_NAME_M
#undef SG_SLOT_NAME_OP
#undef SG_SLOT_NAME_O
#undef SG_SLOT_NAME_G
#undef SG_SLOT_NAME_P

}  // namespace SG
