#pragma once
// The slot tables of every private interface, written once: the properties
// (SG_<X>_SLOTS) and the methods (SG_<X>_METHODS). The wrappers expand the
// property tables into their operations (SubObjects.h, the facades), the
// controls into the kinds they store and deliver (SlotObject.h), and both
// tables give every slot its name (SlotNames.h), which the facades' methods,
// the controls' handlers and the tests use instead of numbers.
// Property rows:
//   P(getSlot, setSlot, Kind, Name)  a property: Get<Name>, Set<Name>
//   G(slot, Kind, Name)              a getter only
//   O(slot, Wrapper, Name)           a sub-object getter: Get<Name>
//   OP(getSlot, setSlot, Wrapper, Name)  a sub-object property
// Kind is one of kind::Switch, VDouble, Double, Int32, Int16, Color, Text,
// Vector (CallFrame.h). Properties the program never calls are named after
// their getter's slot.
// Method rows: M(slot, Name). Each facade writes its method's overloads out
// (their arguments differ), calling the slot by this name; methods nothing
// calls are named after their slot.

#define SG_GRAPH_SLOTS(P, G, O, OP) \
  P(3, 4, Switch, Property3)        \
  P(5, 6, Color, BackgroundColor)   \
  P(9, 10, Int32, InteractionMode)  \
  OP(11, 12, CSgFont, Font)         \
  O(13, CSgPlot, Plot)              \
  P(14, 15, Int32, Property14)      \
  P(16, 17, Int32, Property16)      \
  P(20, 21, Color, PlotAreaColor)   \
  P(22, 23, Switch, Property22)     \
  P(24, 25, Text, Caption)          \
  P(26, 27, Color, CaptionColor)    \
  G(28, Int32, Property28)          \
  P(29, 30, Switch, Property29)     \
  P(31, 32, Color, Property31)      \
  P(33, 34, Int32, Property33)      \
  P(35, 36, Double, Property35)     \
  P(37, 38, Double, Property37)     \
  P(39, 40, Switch, Property39)     \
  P(45, 46, Int32, Property45)      \
  O(47, CSgAnnotation, Annotation)  \
  O(48, CSgPlots, Plots)            \
  O(49, CSgAxes, Axes)              \
  O(53, CSgCursors, Cursors)        \
  O(62, CSgBindings, Bindings)      \
  O(63, CSgAnnotations, Annotations)
#define SG_GRAPH_METHODS(M) \
  M(50, PlotXvsY)           \
  M(51, PlotSamples)        \
  M(52, PlotMatrix)         \
  M(54, ChartSamples)       \
  M(55, ChartMatrix)        \
  M(56, ChartXvsY)          \
  M(57, ClearData)          \
  M(58, Method58)           \
  M(59, Method59)           \
  M(60, GetImage)           \
  M(61, GetControlImage)    \
  M(64, Method64)           \
  M(65, Method65)           \
  M(66, GetControlImageOfSize)

#define SG_NUMEDIT_SLOTS(P, G, O, OP) \
  OP(3, 4, CSgFont, Font)             \
  P(5, 6, Switch, Property5)          \
  P(7, 8, VDouble, Value)             \
  P(9, 10, Int32, Property9)          \
  P(11, 12, Switch, Property11)       \
  P(13, 14, VDouble, Minimum)         \
  P(15, 16, VDouble, Maximum)         \
  P(17, 18, VDouble, Increment)       \
  P(19, 20, Int32, Property19)        \
  P(21, 22, VDouble, Property21)      \
  P(23, 24, Color, BackColor)         \
  P(25, 26, Color, ForeColor)         \
  P(27, 28, Int32, Property27)        \
  P(29, 30, Int32, Property29)        \
  P(31, 32, Int32, Property31)        \
  P(33, 34, Int32, Property33)        \
  P(35, 36, Switch, Property35)       \
  P(37, 38, Text, Format)             \
  G(39, Text, Text)                   \
  P(41, 42, Switch, Property41)       \
  P(43, 44, VDouble, Property43)      \
  P(45, 46, VDouble, Property45)      \
  P(47, 48, Int32, Property47)        \
  P(49, 50, Color, Property49)        \
  P(51, 52, Color, Property51)        \
  O(58, CSgBindings, Bindings)
#define SG_NUMEDIT_METHODS(M) \
  M(53, SetRange)             \
  M(54, Method54)             \
  M(55, Method55)             \
  M(56, GetControlImage)      \
  M(57, Method57)             \
  M(59, GetControlImageOfSize)

#define SG_BUTTON_SLOTS(P, G, O, OP) \
  P(4, 5, Switch, Value)             \
  OP(6, 7, CSgFont, Font)            \
  P(8, 9, Color, Property8)          \
  P(10, 11, Int32, Property10)       \
  P(12, 13, Text, Caption)           \
  P(14, 15, Switch, Property14)      \
  P(16, 17, Text, Property16)        \
  P(18, 19, Text, Property18)        \
  P(20, 21, Color, Property20)       \
  P(22, 23, Color, Color)            \
  P(24, 25, Color, Property24)       \
  P(26, 27, Color, Property26)       \
  P(28, 29, Color, Property28)       \
  P(34, 35, Switch, Property34)      \
  P(36, 37, Int32, Property36)       \
  P(40, 41, Switch, Property40)      \
  G(42, Int32, Property42)           \
  G(43, Int32, Property43)           \
  O(52, CSgBindings, Bindings)
#define SG_BUTTON_METHODS(M)   \
  M(3, Method3)                \
  M(44, Method44)              \
  M(45, Method45)              \
  M(46, Method46)              \
  M(47, Method47)              \
  M(48, GetImage)              \
  M(49, GetImage2)             \
  M(50, GetControlImage)       \
  M(51, Method51)              \
  M(53, GetControlImageOfSize) \
  M(54, Method54)

// The collections of axes, plots, cursors, bindings and annotations share one
// interface shape.
#define SG_COLLECTION_SLOTS(P, G, O, OP) G(3, Int16, Count)
#define SG_COLLECTION_METHODS(M) M(4, Item) M(6, Remove) M(7, RemoveAll) M(8, Add)
#define SG_AXES_SLOTS SG_COLLECTION_SLOTS

#define SG_AXIS_SLOTS(P, G, O, OP) \
  P(3, 4, Switch, Visible)         \
  P(5, 6, VDouble, Maximum)        \
  P(7, 8, VDouble, Minimum)        \
  P(9, 10, Switch, Property9)      \
  P(11, 12, Switch, Property11)    \
  P(13, 14, VDouble, Property13)   \
  P(15, 16, VDouble, Property15)   \
  P(17, 18, Text, Caption)         \
  P(19, 20, Switch, Property19)    \
  O(21, CSgTicks, Ticks)           \
  P(22, 23, Text, Property22)      \
  O(24, CSgLabels, Labels)         \
  P(25, 26, Switch, Property25)    \
  P(27, 28, Color, AxisColor)      \
  P(29, 30, Text, Name)            \
  O(32, CSgValuePairs, ValuePairs) \
  P(34, 35, Switch, Property34)
#define SG_AXIS_METHODS(M) \
  M(31, SetMinMax)         \
  M(33, AutoScaleNow)

#define SG_TICKS_SLOTS(P, G, O, OP) \
  P(3, 4, Switch, Property3)        \
  P(5, 6, Switch, Property5)        \
  P(7, 8, Switch, Property7)        \
  P(9, 10, Switch, Property9)       \
  P(11, 12, Switch, Property11)     \
  P(13, 14, Switch, Property13)     \
  P(15, 16, VDouble, Property15)    \
  P(17, 18, VDouble, Property17)    \
  P(19, 20, Switch, Property19)     \
  P(21, 22, VDouble, Property21)    \
  P(23, 24, VDouble, Property23)    \
  P(25, 26, VDouble, Property25)    \
  P(27, 28, Switch, GridLines)      \
  P(29, 30, Switch, SubGridLines)   \
  P(31, 32, Color, Property31)      \
  P(33, 34, Color, GridColor)       \
  P(35, 36, Switch, Property35)     \
  P(37, 38, Switch, Property37)     \
  P(39, 40, Color, Property39)      \
  P(41, 42, Color, Property41)

#define SG_VALUEPAIRS_SLOTS(P, G, O, OP) \
  G(3, Int16, Count)                     \
  P(4, 5, Int32, Property4)              \
  P(6, 7, Int32, Property6)              \
  P(8, 9, Switch, Property8)             \
  P(10, 11, Switch, GridLines)
#define SG_VALUEPAIRS_METHODS(M) \
  M(12, Item)                    \
  M(14, Remove)                  \
  M(15, RemoveAll)               \
  M(16, Add)                     \
  M(17, AddEvenly)

#define SG_VALUEPAIR_SLOTS(P, G, O, OP) \
  P(3, 4, Text, Name)                   \
  P(5, 6, VDouble, Value)

#define SG_LABELS_SLOTS(P, G, O, OP) \
  P(3, 4, Switch, Property3)         \
  P(5, 6, Switch, Property5)         \
  P(7, 8, Switch, Property7)         \
  P(9, 10, Switch, Property9)        \
  P(11, 12, Color, Property11)       \
  P(13, 14, Switch, Property13)      \
  P(15, 16, Int32, Property15)

#define SG_PLOTS_SLOTS SG_COLLECTION_SLOTS

#define SG_PLOT_SLOTS(P, G, O, OP) \
  P(3, 4, Int32, PlotStyle)        \
  P(5, 6, Int32, Property5)        \
  P(7, 8, Text, Name)              \
  P(9, 10, Int16, Property9)       \
  P(11, 12, Switch, Visible)       \
  O(13, CSgAxis, XAxis)            \
  P(14, 15, Switch, Property14)    \
  P(16, 17, Switch, Property16)    \
  P(18, 19, VDouble, Property18)   \
  OP(20, 21, CSgPlot, Property20)  \
  P(22, 23, Switch, Property22)    \
  P(24, 25, Switch, Property24)    \
  OP(26, 27, CSgAxis, YAxis)       \
  P(28, 29, Color, LineColor)      \
  P(30, 31, Color, PointColor)     \
  P(32, 33, Color, Property32)     \
  P(34, 35, Color, Property34)     \
  P(36, 37, Switch, Property36)    \
  P(38, 39, Switch, Property38)    \
  P(40, 41, Double, Property40)    \
  P(42, 43, Double, Property42)    \
  P(44, 45, Switch, Property44)
#define SG_PLOT_METHODS(M) \
  M(50, ClearData)         \
  M(51, PlotSamples)       \
  M(52, PlotXvsY)          \
  M(53, ChartSamples)      \
  M(54, ChartXvsY)         \
  M(55, PlotMatrix)        \
  M(56, ChartMatrix)

#define SG_CURSORS_SLOTS SG_COLLECTION_SLOTS

#define SG_CURSOR_SLOTS(P, G, O, OP) \
  P(3, 4, VDouble, XPosition)        \
  P(5, 6, VDouble, YPosition)        \
  P(7, 8, Int32, MoveMode)           \
  P(9, 10, Color, Color)             \
  P(11, 12, Int32, Style)            \
  P(13, 14, Int32, Property13)       \
  P(15, 16, Switch, Property15)      \
  P(17, 18, Int32, PointStyle)       \
  OP(19, 20, CSgPlot, Plot)          \
  P(21, 22, Switch, Visible)         \
  P(23, 24, Text, Name)
#define SG_CURSOR_METHODS(M) M(25, SetPosition)

#define SG_BINDINGS_SLOTS SG_COLLECTION_SLOTS

#define SG_BINDING_SLOTS(P, G, O, OP) \
  P(3, 4, Text, Property3)            \
  P(5, 6, Text, Property5)            \
  P(7, 8, Int32, Property7)           \
  G(9, Text, Property9)               \
  G(10, Int32, Property10)            \
  G(11, Switch, Property11)           \
  G(12, Int32, Property12)            \
  G(13, Switch, Property13)           \
  P(14, 15, Switch, Property14)       \
  G(16, Text, Property16)             \
  P(17, 18, Int32, Property17)        \
  P(19, 20, Switch, Property19)
#define SG_BINDING_METHODS(M) \
  M(23, SetTarget)            \
  M(24, Method24)             \
  M(25, Method25)             \
  M(26, Method26)             \
  M(27, Method27)             \
  M(28, Method28)

#define SG_ANNOTATIONS_SLOTS SG_COLLECTION_SLOTS

#define SG_ANNOTATION_SLOTS(P, G, O, OP) \
  P(3, 4, Switch, Property3)             \
  P(5, 6, Switch, Property5)             \
  P(7, 8, Int32, Property7)              \
  OP(9, 10, CSgPlot, Plot)               \
  P(11, 12, Int32, Property11)           \
  P(13, 14, Int32, Property13)           \
  O(15, CSgCaption, Caption)             \
  O(16, CSgShape, Shape)                 \
  O(17, CSgArrow, Arrow)                 \
  P(18, 19, Text, Property18)
#define SG_ANNOTATION_METHODS(M) M(20, Method20)

#define SG_CAPTION_SLOTS(P, G, O, OP) \
  P(3, 4, Text, Property3)            \
  P(5, 6, Double, Property5)          \
  P(7, 8, Double, Property7)          \
  P(9, 10, Color, Property9)          \
  OP(11, 12, CSgFont, Font)           \
  P(13, 14, Int32, Property13)        \
  P(15, 16, Double, Property15)
#define SG_CAPTION_METHODS(M) M(17, SetPair)

#define SG_SHAPE_SLOTS(P, G, O, OP) \
  P(3, 4, Int32, Property3)         \
  P(5, 6, Vector, Property5)        \
  P(7, 8, Vector, Property7)        \
  P(9, 10, Color, Property9)        \
  P(11, 12, Switch, Property11)     \
  P(13, 14, Color, Property13)      \
  P(15, 16, Int16, Property15)      \
  P(17, 18, Int32, Property17)      \
  P(19, 20, Int32, Property19)      \
  OP(21, 22, CSgImage, Image)       \
  P(23, 24, Int32, Property23)
#define SG_SHAPE_METHODS(M) M(25, SetArrays)

#define SG_ARROW_SLOTS(P, G, O, OP) \
  P(3, 4, Switch, Property3)        \
  P(5, 6, Color, Property5)         \
  P(7, 8, Int16, Property7)         \
  P(9, 10, Int32, Property9)        \
  P(11, 12, Int32, Property11)      \
  P(13, 14, Int32, Property13)

#define SG_IMAGE_SLOTS(P, G, O, OP) \
  P(3, 4, Text, Property3)          \
  P(7, 8, Switch, Property7)        \
  P(9, 10, Switch, Property9)       \
  P(11, 12, Switch, Property11)     \
  P(13, 14, Switch, Property13)     \
  P(15, 16, Color, Property15)      \
  P(17, 18, Switch, Property17)     \
  P(19, 20, Int32, Property19)      \
  P(21, 22, Int32, Property21)      \
  P(23, 24, Switch, Property23)     \
  P(25, 26, Int32, Property25)      \
  P(27, 28, Int32, Property27)      \
  P(29, 30, Color, Property29)
#define SG_IMAGE_METHODS(M) \
  M(5, GetPicture)          \
  M(6, SetPicture)          \
  M(41, Method41)

// The interfaces without methods of their own.
#define SG_NO_METHODS(M)
