#pragma once

#include <QByteArray>
#include <vector>

namespace scriptloom::bench {

// A field of /proc/self/status ("VmRSS:", "VmHWM:") in MiB, or -1 where there is none.
double procStatusMiB(const char* field);

double median(std::vector<double> values);

// The large game set the editor benchmarks load: kBigGameSetPerKind entries of each kind spread
// over 300 sections, each Selection with 5 options, as its file holds it. The first `keyBindings`
// Bindings bind a key ("bind *x ..."); the others set a value.
inline constexpr int kBigGameSetPerKind = 10000;
QByteArray bigGameSet(int keyBindings = 0);

// Points Qt at the offscreen platform unless a display was asked for, so benchmarks run anywhere.
void preferOffscreen();

}  // namespace scriptloom::bench
