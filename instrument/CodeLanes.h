#pragma once
// SG_CODE_CLONES marks the passes between samples and 16-bit codes: built
// like SG_VECTOR_CLONES and for AVX-512 besides, whose conversions between
// doubles, floats and integers take half the time of the AVX2 clone's on a
// waveform of millions of samples. Sanitized builds keep the baseline only,
// as SG_VECTOR_CLONES does.

#include "controls/VectorClones.h"

#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(SG_VECTOR_SANITIZED)
#if defined(__clang__)
#define SG_CODE_CLONES __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define SG_CODE_CLONES \
  __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default"), flatten))
#endif
#else
#define SG_CODE_CLONES SG_VECTOR_CLONES
#endif
