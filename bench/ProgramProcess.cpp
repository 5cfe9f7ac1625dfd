#include "ProgramProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace nudgeon::bench {
namespace {

// The descriptor the probe writes to in the program's process.
constexpr int ProbeFd = 3;
constexpr double EndTimeoutSeconds = 20;

bool Replaced(const std::string& entry)
{
    for (const char* name :
         {"QT_QPA_PLATFORM=", "XDG_RUNTIME_DIR=", "LD_PRELOAD=", "NUDGEON_PAINT_PROBE_FD="}) {
        if (entry.starts_with(name))
            return true;
    }
    return false;
}

std::vector<std::string> ProgramEnvironment(const std::filesystem::path& runtimeDir)
{
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (!Replaced(*entry))
            environment.emplace_back(*entry);
    }
    environment.push_back("QT_QPA_PLATFORM=offscreen");
    environment.push_back("XDG_RUNTIME_DIR=" + runtimeDir.string());
    environment.push_back(std::string("LD_PRELOAD=") + NUDGEON_PAINT_PROBE);
    environment.push_back("NUDGEON_PAINT_PROBE_FD=" + std::to_string(ProbeFd));
    return environment;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::stringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

// The value after `key` in a /proc status file, or 0.
long StatusValue(const std::string& status, const std::string& key)
{
    const auto at = status.find(key);
    return at == std::string::npos ? 0 : std::strtol(status.c_str() + at + key.size(), nullptr, 10);
}

bool Exited(pid_t pid)
{
    int status = 0;
    return ::waitpid(pid, &status, WNOHANG) == pid;
}

bool WaitForExit(pid_t pid, double timeoutSeconds)
{
    const double deadline = MonotonicSeconds() + timeoutSeconds;
    while (MonotonicSeconds() < deadline) {
        if (Exited(pid))
            return true;
        ::usleep(10000);
    }
    return false;
}

} // namespace

long WakeUpsBetween(const ProcessCounters& before, const ProcessCounters& after)
{
    long wakeUps = 0;
    for (const auto& [thread, switches] : after.voluntarySwitches) {
        const auto earlier = before.voluntarySwitches.find(thread);
        wakeUps += switches - (earlier == before.voluntarySwitches.end() ? 0 : earlier->second);
    }
    return wakeUps;
}

double MonotonicSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

ProgramProcess::ProgramProcess(const std::filesystem::path& executable,
                               const std::filesystem::path& runtimeDir,
                               const std::filesystem::path& logFile)
{
    int probe[2];
    if (::pipe2(probe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe2 failed");
    probeFd_ = probe[0];
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, logFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    posix_spawn_file_actions_adddup2(&actions, probe[1], ProbeFd);
    std::vector<std::string> environment = ProgramEnvironment(runtimeDir);
    std::vector<char*> environmentPointers = Pointers(environment);
    std::string program = executable.string();
    char* arguments[] = {program.data(), nullptr};
    startSeconds_ = MonotonicSeconds();
    const int error = ::posix_spawn(&pid_, program.c_str(), &actions, nullptr, arguments,
                                    environmentPointers.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(probe[1]);
    if (error != 0) {
        ::close(probeFd_);
        throw std::runtime_error("Cannot start " + program + ": " + std::strerror(error));
    }
}

ProgramProcess::~ProgramProcess()
{
    ::close(probeFd_);
    if (Exited(pid_))
        return;
    ::kill(pid_, SIGTERM);
    if (WaitForExit(pid_, EndTimeoutSeconds))
        return;
    ::kill(pid_, SIGKILL);
    WaitForExit(pid_, EndTimeoutSeconds);
}

std::optional<double> ProgramProcess::WaitForFirstPaint(double timeoutSeconds)
{
    pollfd watch{probeFd_, POLLIN, 0};
    const int ready = ::poll(&watch, 1, static_cast<int>(timeoutSeconds * 1000));
    if (ready <= 0)
        return std::nullopt;
    std::int64_t paintedNanoseconds = 0;
    if (::read(probeFd_, &paintedNanoseconds, sizeof paintedNanoseconds) !=
        static_cast<ssize_t>(sizeof paintedNanoseconds))
        return std::nullopt;
    return static_cast<double>(paintedNanoseconds) * 1e-9 - startSeconds_;
}

ProcessCounters ProgramProcess::Counters() const
{
    ProcessCounters counters;
    const std::filesystem::path process = "/proc/" + std::to_string(pid_);
    // utime and stime are the 12th and 13th fields after the command's closing parenthesis.
    const std::string stat = ReadFile(process / "stat");
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    for (int i = 0; i < 11; ++i)
        fields >> field;
    long userTicks = 0;
    long systemTicks = 0;
    fields >> userTicks >> systemTicks;
    counters.cpuSeconds =
        static_cast<double>(userTicks + systemTicks) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    std::error_code error;
    for (const auto& task : std::filesystem::directory_iterator(process / "task", error))
        counters.voluntarySwitches[task.path().filename().string()] =
            StatusValue(ReadFile(task.path() / "status"), "\nvoluntary_ctxt_switches:");
    counters.residentBytes =
        static_cast<double>(StatusValue(ReadFile(process / "status"), "\nVmRSS:")) * 1024.0;
    return counters;
}

} // namespace nudgeon::bench
