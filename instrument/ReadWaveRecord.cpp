#include "instrument/ReadWaveRecord.h"

CWaveData RecordFromLastRead(const LastReadWave& read) {
  CWaveData wave;
  wave.wavename = read.name;
  wave.thedata = read.samples;
  // The counts are the samples': the read sets g_nPointCount to the same
  // value, except when it kept an earlier count for a length it could not
  // read, and then only the samples are right.
  wave.pointcount = wave.samplecount = static_cast<int>(read.samples.GetSize());
  DisplayDecimation(wave);
  wave.span = read.amplitude;
  wave.spanunit = read.amplitudeUnit;
  wave.timemode = 0;
  wave.freq = read.frequency;
  wave.frequnit = read.frequencyUnit;
  wave.period = read.period;
  wave.periodunit = read.periodUnit;
  wave.offset = read.offset;
  wave.offsetunit = read.offsetUnit;
  wave.cursorson = false;
  return wave;
}
