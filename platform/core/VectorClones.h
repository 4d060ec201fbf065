#pragma once

// Marks a function whose loops should run on the widest vector unit: on
// x86-64 it is built three times, for AVX-512 (x86-64-v4), for AVX2 with
// fused multiply-add (x86-64-v3) and for any x86-64, and the loader picks
// the widest the processor runs. The fused clones round a product and a sum
// once instead of twice, so their last bits may differ from the plain
// build's. Elsewhere it is built once, and so it is under ThreadSanitizer,
// whose instrumented resolver would run before its runtime.
#if defined(__x86_64__) && !defined(__SANITIZE_THREAD__)
#define KRV_VECTOR_CLONES [[gnu::target_clones("arch=x86-64-v4", "arch=x86-64-v3", "default")]]
#else
#define KRV_VECTOR_CLONES
#endif
