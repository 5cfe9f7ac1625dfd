// A forked copy of the test process that runs one function, talks back over a pipe and can be
// killed at any moment. POSIX only, like the faults these tests provoke.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <sys/types.h>

namespace nudgeon::test {

// The child's end: lines to the parent, and a wait for the parent's go-ahead.
class ParentLink {
public:
    ParentLink(int toParent, int fromParent) : toParent_(toParent), fromParent_(fromParent) {}
    void Say(const std::string& line) const;
    // Blocks until the parent calls GoAhead(); false when the parent is gone.
    bool WaitForGoAhead() const;

private:
    int toParent_;
    int fromParent_;
};

class ChildProcess {
public:
    // The body's result is the child's exit code; the child never returns into the test.
    explicit ChildProcess(const std::function<int(const ParentLink&)>& body);
    // Kills and reaps a child still running.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // The child's next line; nothing once it has ended and every line was read.
    std::optional<std::string> ReadLine();
    void GoAhead() const;
    void Kill() const;
    // The exit code, or 128 + the signal that ended it.
    int Wait();

private:
    pid_t pid_ = -1;
    int fromChild_ = -1;
    int toChild_ = -1;
    std::string pending_;
    bool reaped_ = false;
    int status_ = 0;
};

// Makes the calling process an ordinary user (nobody) when it runs as root, so that file
// permissions bind it; true when it is not root afterwards.
bool DropRootPrivileges();

} // namespace nudgeon::test
