#pragma once
// Generator routines of the analysis core: each fills out[0..n-1] and returns
// 0 or a negative code; nothing is written on failure. Frequencies are in
// cycles per sample; phases in degrees, read and left wrapped into [0, 360)
// so that a next call continues the wave.

namespace SgCore {

int ImpulsePatternCore(int n, double amplitude, int index, double* out);
int PulsePatternCore(int n, double amplitude, int delay, int width, double* out);
int RampPatternCore(int n, double first, double last, double* out);
int TrianglePatternCore(int n, double amplitude, double* out);
int SinePatternCore(int n, double amplitude, double phase, double cycles, double* out);
int ChirpPatternCore(int n, double amplitude, double start, double end, double* out);
int SincPatternCore(int n, double amplitude, double delay, double dt, double* out);

int SineWaveCore(int n, double amplitude, double frequency, double* phase, double* out);
int TriangleWaveCore(int n, double amplitude, double frequency, double* phase, double* out);
int SawtoothWaveCore(int n, double amplitude, double frequency, double* phase, double* out);
int SquareWaveCore(int n, double amplitude, double frequency, double* phase, double duty,
                   double* out);
int ArbitraryWaveCore(int n, double amplitude, double frequency, double* phase, const double* table,
                      int tableLength, int interpolate, double* out);

// One sample of a wave at a phase in degrees (table units for the arbitrary
// wave).
double TriangleWaveValue(double phase);
double SawtoothWaveValue(double phase);
double SquareWaveValue(double phase, double duty);
double ArbitraryWaveValue(double tablePhase, const double* table, int tableLength, int interpolate);

// Noise from the process-wide Wichmann-Hill state; a seed of 0 or more
// reseeds first (0 itself changes nothing), a negative seed continues.
int UniformRandomCore(int n, int seed, double* out);
int UniformWhiteNoiseCore(int n, double amplitude, int seed, double* out);
int GaussianNoiseCore(int n, double deviation, int seed, double* out);
int RandomDraw();
void RandomSeed(int seed);

}  // namespace SgCore
