#pragma once

#include <sys/types.h>

// The resident memory of a process and all its descendants, read from /proc: the browser
// engine's zygote, GPU and renderer processes are descendants of the program's process.
struct ProcessTreeMemory
{
    double residentMb = 0;     // the sum of every process's VmRSS: a shared page counts in each
    double proportionalMb = 0; // the sum of every process's Pss: a shared page counts once
    int processes = 0;
};

ProcessTreeMemory MeasureProcessTree(pid_t root);
