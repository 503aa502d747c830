#pragma once
// SG_CODE_CLONES marks the passes between samples and 16-bit codes: built
// for AVX-512 and AVX2 besides the baseline and picked at load time; the
// wide clones' conversions between doubles, floats and integers take a
// fraction of the baseline's time on a waveform of millions of samples.
// Sanitizer runtimes are not ready when the clone resolver runs, so
// sanitized builds keep the baseline only.

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define SG_CODE_LANES_SANITIZED 1
#endif
#endif

#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(SG_CODE_LANES_SANITIZED)
// clang takes the small helpers into each clone by itself and refuses
// flatten beside target_clones.
#if defined(__clang__)
#define SG_CODE_CLONES __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")))
#else
#define SG_CODE_CLONES \
  __attribute__((target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default"), flatten))
#endif
#else
#define SG_CODE_CLONES
#endif
