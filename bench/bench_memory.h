#pragma once

// Resident memory of this process, for the benchmarks' counters.
#include <sys/resource.h>

#include <cstdio>
#include <unistd.h>

// Resident memory now, in MiB.
inline double ResidentMiB() {
    long pages = 0, resident = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// The most resident memory this process has had, in MiB.
inline double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}
