#pragma once
// The standard shapes: their one table (code, list text, the panel's button,
// picture and tip) and the generator that builds a shape's samples from the
// standard waveform dialog's settings. No windows here; the dialog previews
// and commits what the generator leaves.

#include "containers/CSgScalarVector.h"

// Fields of the standard waveform dialog that a shape can disable.
enum ShapeField : unsigned {
  kFieldPoints = 1,
  kFieldAmplitude = 2,
  kFieldAmplitudeUnit = 4,
  kFieldOffset = 8,
  kFieldOffsetUnit = 16,
  kFieldCycles = 32,
  kFieldPhase = 64,
  kFieldAll = 127
};

// code, list text, panel button id, panel bitmap id, panel tooltip, text id
// of parameter 1's label (0: no parameter 1), its unit mark, text id of
// parameter 2's label (0: none), its mark, parameter 1 when the shape is
// chosen, the fields the shape disables. The last shape has no panel
// button (ids 0).
// clang-format off
#define PELMORAN_STANDARD_SHAPES(X)                                                            \
  X(0, "Sine",    1004, 239, "SineWave",    0,   "",  0,   "",  0.0,  0)                        \
  X(1, "Square",  1001, 240, "SquareWave",  188, "%", 0,   "",  50.0, 0)                        \
  X(2, "Ramp",    1005, 241, "RampWave",    189, "%", 0,   "",  50.0, 0)                        \
  X(3, "Pulse",   1006, 242, "PulseWave",   190, "%", 191, "%", 50.0, 0)                        \
  X(4, "Sinec",   1008, 243, "SinecWave",   192, "",  0,   "",  10.0, 0)                        \
  X(5, "Noise",   1007, 244, "NoiseWave",   0,   "",  0,   "",  0.0,  kFieldCycles | kFieldPhase) \
  X(6, "Exprise", 1010, 248, "ExpRiseWave", 193, "",  0,   "",  5.0,  0)                        \
  X(7, "Expfall", 1011, 247, "ExpFallWave", 193, "",  0,   "",  5.0,  0)                        \
  X(8, "DC",      1012, 246, "DC",          0,   "",  0,   "",  0.0,                            \
    kFieldAmplitude | kFieldAmplitudeUnit | kFieldCycles | kFieldPhase)                        \
  X(9, "None",    0,    0,   "",            0,   "",  0,   "",  0.0,  kFieldAll)
// clang-format on

enum StandardShape : int {
  kShapeSine = 0,
  kShapeSquare,
  kShapeRamp,
  kShapePulse,
  kShapeSinc,
  kShapeNoise,
  kShapeExpRise,
  kShapeExpFall,
  kShapeDC,
  kShapeNone,
  kShapeCount
};

struct ShapeInfo {
  int code;
  const char* text;
  int button;  // the panel's button id, 0 for none
  int bitmap;
  const char* tooltip;
  int label1;  // text id of parameter 1's label, 0 when the shape has none
  const char* mark1;
  int label2;
  const char* mark2;
  double param1;      // parameter 1 when the shape is chosen
  unsigned disabled;  // ShapeField bits
};
extern const ShapeInfo kShapes[kShapeCount];

// The settings a shape is built from, as the dialog's fields hold them.
struct ShapeSettings {
  int shape = kShapeSine;
  unsigned int points = 0;  // N
  double amplitude = 0.0;   // peak to peak, in the amplitude unit
  double offset = 0.0;      // in the offset unit
  unsigned int cycles = 1;  // M
  double phase = 0.0;       // degrees
  double param1 = 0.0;
  double param2 = 0.0;
  int amplitudeUnit = 0;  // 0 Vpp, 1 mVpp; no selection (-1) counts as 0
  int offsetUnit = 0;     // 0 V, 1 mV; likewise
};

// The offset brought into the amplitude's unit: mV with Vpp is divided by
// 1000, V with mVpp multiplied by 1000.
double OffsetInAmplitudeUnit(double offset, int amplitudeUnit, int offsetUnit);
// The largest level a sample may reach: 10 V, or 10000 mV with mVpp.
double OutputLimit(int amplitudeUnit);

enum class ShapeOutcome {
  Built,              // samples (and working) hold the shape
  NegativeParameter,  // parameter 1 of a square, ramp, pulse or sinc below 0: nothing built
  UnknownShape        // a code outside the table: nothing built
};

// Builds the shape into samples: always exactly settings.points samples
// (period shapes continue their period to the end), the offset added and
// limited as the shape asks. working (when given) gets the shape before the
// offset: one period of a period shape, all points of sine, square and
// noise, zeros for DC; None leaves it. The analysis library's math error
// and the vector-access error pass through; samples then hold what the
// failed routine left (nothing is assigned for a period shape).
ShapeOutcome BuildStandardShape(const ShapeSettings& settings, SG::CSgScalarVector<double>& samples,
                                SG::CSgScalarVector<float>* working);
