#pragma once

#include <cstddef>
#include <cstdint>

// One input of the session-log fuzz run: the bytes are loaded as a session file's
// contents. A load that fails must leave the current data set as it was; one that succeeds
// must give a whole data set, which saves and reads back the same. Aborts on any breach.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv);
// Inputs that loaded so far (the rest were refused).
extern long SessionLogFuzzLoads;
