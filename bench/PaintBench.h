// Benchmarks of painting the one-time list grid in the main window.
#pragma once

namespace nudgeon::bench {

void RegisterPaintBenchmarks();

} // namespace nudgeon::bench
