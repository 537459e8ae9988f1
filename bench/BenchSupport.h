#pragma once

#include <vector>

namespace scriptloom::bench {

// A field of /proc/self/status ("VmRSS:", "VmHWM:") in MiB, or -1 where there is none.
double procStatusMiB(const char* field);

double median(std::vector<double> values);

// Points Qt at the offscreen platform unless a display was asked for, so benchmarks run anywhere.
void preferOffscreen();

}  // namespace scriptloom::bench
