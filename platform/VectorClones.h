#pragma once

// Marks a function whose loops should run on the widest vector unit: on
// x86-64 it is built twice, for AVX2 and for any x86-64, and the loader picks
// the one the processor runs. Elsewhere it is built once, and so it is under
// ThreadSanitizer, whose instrumented resolver would run before its runtime.
#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
#define KRV_VECTOR_CLONES [[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]]
#else
#define KRV_VECTOR_CLONES
#endif
