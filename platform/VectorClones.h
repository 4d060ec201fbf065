#pragma once

// Marks a function whose loops should run on the widest vector unit: on
// x86-64 it is built twice, for AVX2 and for any x86-64, and the loader picks
// the one the processor runs. Elsewhere it is built once.
#if defined(__x86_64__)
#define KRV_VECTOR_CLONES [[gnu::target_clones("avx2", "default")]]
#else
#define KRV_VECTOR_CLONES
#endif
