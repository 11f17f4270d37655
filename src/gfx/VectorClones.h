#pragma once

// Marks a pixel loop to be built twice on x86-64, for AVX2 and for the baseline instruction set;
// the program picks the build that fits the machine when it loads. The loops use 32-byte vectors,
// which the baseline build splits into two 16-byte halves. RJ_BASELINE_ONLY builds the baseline
// alone (to test it on a machine that has AVX2).
//
// The thread sanitizer builds the baseline alone too: the loader runs the resolvers that pick a
// build before the sanitizer's runtime is up, and the instrumented resolvers crash the program
// before main.
#if defined(__SANITIZE_THREAD__)
#define RJ_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define RJ_THREAD_SANITIZER 1
#endif
#endif

#if defined(__x86_64__) && defined(__GNUC__) && !defined(RJ_BASELINE_ONLY) && !defined(RJ_THREAD_SANITIZER)
#define RJ_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define RJ_VECTOR_CLONES
#endif
