#pragma once

// The pixel loops that decide a frame's cost are built several times over
// on x86-64 (AVX-512, AVX2 and the plain instruction set), the best chosen
// when the program starts. Those names mean nothing to another
// architecture's compiler: there (arm64's NEON, say) the loop is built once,
// vectorised for what the target always has. The choice at start is the
// ELF loader's (an indirect function); Windows' PE programs have none, and
// take the plain build.
#if defined(__x86_64__) && defined(__ELF__)
#define FARHAVEN_WIDE_CLONES __attribute__((target_clones("arch=x86-64-v4", "avx2", "default")))
#else
#define FARHAVEN_WIDE_CLONES
#endif
