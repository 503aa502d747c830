#include "waveform/WaveCollections.h"

CWaveDataArray g_WaveArray;
CEditListArray g_EditListArray;
CLastDrawArray g_LastDrawArray;
CWaveNameList g_WaveNameList;
