#pragma once
// The waveform record: one per open waveform, a plain value type. Copying a
// record copies every sample; moving it hands the sample arrays over. Units
// are indices, never scale factors: values stay in the unit the user chose
// and every reader converts.

#include "containers/CSgScalarVector.h"
#include "platform/afx/String.h"

#include <type_traits>

class CWaveData {
 public:
  CString wavename;     // the name in use: its window's title, unique among the open waveforms
  int pointcount = 0;   // the length it was created with; the most Paste may produce
  double span = 0.0;    // Y axis span: the axis shows offset -/+ span / 2
  int spanunit = 0;     // 0 V, 1 mV
  int bits = 0;         // quantisation bits of the new-waveform dialog; carried only
  double period = 0.0;  // the time the X axis covers
  int periodunit = 0;   // index into g_TimeUnits: 0 ks, 1 s, 2 ms, 3 us, 4 ns
  double freq = 0.0;
  int frequnit = 0;     // 0 uHz, 1 mHz, 2 Hz, 3 kHz, 4 MHz
  int timemode = 0;     // 0 given by frequency, 1 by period; carried only
  bool saved = false;   // the samples equal what was last opened or saved
  CString filepath;     // the file of the last open or save
  int shape = 0;        // standard shape index; 8 new-waveform dialog, -1 hand drawn
  int samplecount = 0;  // the sample count its producer set (edits leave it)
  int displaylen = 0;   // number of display samples: thedata's count / dispstep
  double vpp = 0.0;     // peak-to-peak amplitude, where a producer knows it
  int vppunit = 0;      // 1 mVpp, any other value Vpp
  double offset = 0.0;
  int offsetunit = 0;  // 0 V, 1 mV
  int cycles = 0;      // the standard generator's parameters, from here to sincparam
  double phase = 0.0;  // degrees
  int duty = 0;
  int symmetry = 0;
  double width = 0.0;
  double edge = 0.0;
  double expfactor = 0.0;
  int sincparam = 0;
  SG::CSgScalarVector<float> thedata;   // the samples
  SG::CSgScalarVector<float> showdata;  // the display samples (see DisplayDecimation)
  SG::CSgScalarVector<float> copydata;  // second copy: the standard generator and drawing write it
  int dispstep = 1;                     // display step k: display position x is sample trunc(x * k)
  bool cursorson = false;               // the selection cursors are shown
  // Display positions of the selection cursors as the view last placed them,
  // fractions kept (a typed time falls between positions, and with a display
  // step k above 1 the fraction still selects a sample). Zero until then
  // (nothing reads them before the view writes them).
  double cursor1 = 0.0;
  double cursor2 = 0.0;
  bool grid = true;
  bool pointview = false;
  bool tracking = false;  // cross-hair cursor trace on
  bool freehand = false;  // the drawing mode last on in this waveform's window
  bool hline = false;
  bool vline = false;
  bool twopoint = false;
  int savetype = 0;  // format of the last save through the dialog: 1 header CSV, else amplitude CSV
};

// Records are handed between owners by moving, which must never fail.
static_assert(std::is_nothrow_move_constructible_v<CWaveData> &&
              std::is_nothrow_move_assignable_v<CWaveData>);

// The smallest amplitude a waveform is given, in volts peak to peak: a
// constant (DC) waveform is recorded and sent at it, and the new-waveform
// dialog refuses less.
constexpr double kLowestAmplitudeVolts = 0.004;
// The same in an amplitude unit (vppunit: 0 Vpp, 1 mVpp).
constexpr double LowestAmplitudeIn(int vppunit) {
  return vppunit == 1 ? kLowestAmplitudeVolts * 1000 : kLowestAmplitudeVolts;
}

// Display decimation: up to kDisplayLimit samples the display vector is a
// copy of the samples (step 1); above it, it holds every k-th sample,
// k = ceil(n / kDisplayLimit), and has n / k elements.
constexpr unsigned int kDisplayLimit = 5000000;

// A display rebuild, planned before anything changes: the one step that may
// fail (allocating a display vector of a new length) happens here, so that
// ApplyDisplay cannot fail. When the length stays, the record's own display
// vector is refilled and nothing is allocated.
struct WaveDisplay {
  SG::CSgScalarVector<float> fresh;  // empty when the record's vector is reused
  bool reuse = false;
  int dispstep = 1;
  int displaylen = 0;
};

// The display step for n samples.
unsigned int DisplayStepFor(unsigned int n) noexcept;

// Plans the display of wave for a sample count of n. Throws the framework's
// memory exception; changes nothing.
WaveDisplay PlanDisplay(const CWaveData& wave, unsigned int n);

// Rebuilds showdata, dispstep and displaylen from thedata as planned; thedata
// must hold the n samples the plan was made for.
void ApplyDisplay(CWaveData& wave, WaveDisplay&& plan) noexcept;

// Where the planned display's elements go, for a producer that picks them
// itself (element j = sample j x dispstep) while it writes the samples.
float* PlannedDisplay(CWaveData& wave, WaveDisplay& plan) noexcept;

// Makes a plan whose elements the producer has written the record's
// display: showdata, dispstep and displaylen.
void InstallDisplay(CWaveData& wave, WaveDisplay&& plan) noexcept;

// The same, copying the n samples from source into thedata (whose array must
// already hold n elements) in the same pass.
void ApplyDisplay(CWaveData& wave, WaveDisplay&& plan, const float* source) noexcept;

// Rebuilds dispstep, displaylen and showdata from thedata. Every producer of
// samples applies it. @excsafety{Strong}
void DisplayDecimation(CWaveData& wave);
