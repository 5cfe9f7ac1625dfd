// Benchmarks of the running program: start-up to first paint, idle cost and memory.
#pragma once

namespace nudgeon::bench {

void RegisterProcessBenchmarks();

} // namespace nudgeon::bench
