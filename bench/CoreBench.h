// Benchmarks of the program's core: data file, scan, placing of a row, a simulated week.
#pragma once

namespace nudgeon::bench {

void RegisterCoreBenchmarks();

} // namespace nudgeon::bench
