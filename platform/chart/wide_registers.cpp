#include "platform/chart/wide_registers.h"

#if (defined(__x86_64__) || defined(__i386__)) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>

namespace {
__attribute__((target("avx"))) void ZeroUpperHalves() {
    _mm256_zeroupper();
}

bool HasWideRegisters() {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx");
}
} // namespace

void ClearWideRegisters() {
    static const bool wide = HasWideRegisters();
    if (wide)
        ZeroUpperHalves();
}
#else
void ClearWideRegisters() {}
#endif
