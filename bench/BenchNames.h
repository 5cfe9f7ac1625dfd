// The names the benchmarks are registered under, shared by their registration and the budgets.
#pragma once

namespace nudgeon::bench::names {

inline constexpr const char* Load = "load";
inline constexpr const char* ReadBytes = "load_baseline_read_bytes";
inline constexpr const char* Save = "save";
inline constexpr const char* WriteBytes = "save_baseline_write_and_sync";
inline constexpr const char* Scan = "scan";
inline constexpr const char* ScanWalk = "scan_baseline_walk";
inline constexpr const char* Place = "place";
inline constexpr const char* PlaceMove = "place_baseline_move_row";
inline constexpr const char* Paint = "paint";
inline constexpr const char* PaintSmall = "paint_baseline_20_rows";
inline constexpr const char* Start = "start";
inline constexpr const char* StartEmpty = "start_baseline_empty";
inline constexpr const char* Idle = "idle";
inline constexpr const char* Memory = "memory";
inline constexpr const char* MemoryEmpty = "memory_baseline_empty";
inline constexpr const char* Week = "week";
inline constexpr const char* WeekEmpty = "week_baseline_empty";

// Counters some benchmarks report besides their time.
inline constexpr const char* CpuSeconds = "cpu_seconds";
inline constexpr const char* BaselineCpuSeconds = "baseline_cpu_seconds";
inline constexpr const char* WakeUpsPerSecond = "wakeups_per_second";
inline constexpr const char* BaselineWakeUpsPerSecond = "baseline_wakeups_per_second";
inline constexpr const char* ResidentBytes = "resident_bytes";

} // namespace nudgeon::bench::names
