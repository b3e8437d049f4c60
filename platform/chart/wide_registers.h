#pragma once

// Leaves the processor's wide vector registers clean. Qt fills pixels with wide (256-bit)
// instructions and, in places, returns with their upper halves still in use; every
// ordinary vector or floating-point instruction after that runs slower until they are
// cleared (the chart's thinning took two and a half times as long). Cheap enough to call
// before any loop of number work that follows painting; does nothing where the processor
// has no wide registers.
void ClearWideRegisters();
