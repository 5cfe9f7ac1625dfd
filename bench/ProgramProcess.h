// A program run as its own process, watched from outside: when its first window paint ends,
// and what CPU time, wake-ups and memory it has taken.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>

namespace nudgeon::bench {

struct ProcessCounters {
    // User and system time of every thread, those that have ended too.
    double cpuSeconds = 0;
    // Per thread: the times it went to sleep, that is its wake-ups.
    std::map<std::string, long> voluntarySwitches;
    double residentBytes = 0;
};

// The wake-ups of the threads between two readings. A thread that ended in between is left
// out (Qt's pool threads end after half a minute of idling).
long WakeUpsBetween(const ProcessCounters& before, const ProcessCounters& after);

class ProgramProcess {
public:
    // Starts the program on the offscreen platform with `runtimeDir` as the user's runtime
    // folder (where the single-instance lock lives) and the paint probe loaded; its output goes
    // to `logFile`.
    ProgramProcess(const std::filesystem::path& executable, const std::filesystem::path& runtimeDir,
                   const std::filesystem::path& logFile);
    // Asks the program to end as the system does at log-out; kills it if it does not.
    ~ProgramProcess();
    ProgramProcess(const ProgramProcess&) = delete;
    ProgramProcess& operator=(const ProgramProcess&) = delete;

    // Seconds from the start to the end of the first paint of a window; nothing when the
    // program ended or did not paint within the time given.
    std::optional<double> WaitForFirstPaint(double timeoutSeconds);
    ProcessCounters Counters() const;

private:
    pid_t pid_ = -1;
    int probeFd_ = -1;
    double startSeconds_ = 0;
};

// The monotonic clock the paint probe stamps its report with, in seconds.
double MonotonicSeconds();

} // namespace nudgeon::bench
