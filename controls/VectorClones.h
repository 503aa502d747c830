#pragma once
// SG_VECTOR_CLONES marks a pass that is also built for AVX2 and picked at
// load time: twice the lanes, and VEX code pays nothing for upper vector
// state that earlier library calls left dirty. Sanitizer runtimes are not
// ready when the clone resolver runs, so sanitized builds keep the baseline
// only.

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define SG_VECTOR_SANITIZED 1
#endif
#endif
#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__) && !defined(__SANITIZE_ADDRESS__) && \
    !defined(SG_VECTOR_SANITIZED)
#if defined(__clang__)
// clang refuses flatten beside target_clones; its inliner takes the small
// helpers into each clone by itself.
#define SG_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "default")))
#else
#define SG_VECTOR_CLONES __attribute__((target_clones("arch=x86-64-v3", "default"), flatten))
#endif
#else
#define SG_VECTOR_CLONES
#endif
