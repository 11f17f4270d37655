#pragma once

// Marks a pixel loop to be built twice on x86-64, for AVX2 and for the baseline instruction set;
// the program picks the build that fits the machine when it loads. The loops use 32-byte vectors,
// which the baseline build splits into two 16-byte halves. RJ_BASELINE_ONLY builds the baseline
// alone (to test it on a machine that has AVX2).
#if defined(__x86_64__) && defined(__GNUC__) && !defined(RJ_BASELINE_ONLY)
#define RJ_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define RJ_VECTOR_CLONES
#endif
