#pragma once

// The program's major, minor and revision version numbers, as the build gives them.
struct ProgramVersion {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
ProgramVersion ProgramVersionNumbers();
