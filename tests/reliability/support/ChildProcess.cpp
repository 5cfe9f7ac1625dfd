#include "ChildProcess.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

namespace nudgeon::test {
namespace {

void WriteAll(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = ::write(fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        done += static_cast<std::size_t>(written);
    }
}

} // namespace

void ParentLink::Say(const std::string& line) const
{
    WriteAll(toParent_, line + "\n");
}

bool ParentLink::WaitForGoAhead() const
{
    char byte = 0;
    for (;;) {
        const ssize_t got = ::read(fromParent_, &byte, 1);
        if (got < 0 && errno == EINTR)
            continue;
        return got == 1;
    }
}

ChildProcess::ChildProcess(const std::function<int(const ParentLink&)>& body)
{
    int up[2];
    int down[2];
    if (::pipe(up) != 0 || ::pipe(down) != 0)
        std::abort();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::close(up[0]);
        ::close(down[1]);
        const int code = body(ParentLink(up[1], down[0]));
        // No destructors, no buffered output and no leak report of the parent's objects.
        ::_exit(code);
    }
    ::close(up[1]);
    ::close(down[0]);
    fromChild_ = up[0];
    toChild_ = down[1];
}

ChildProcess::~ChildProcess()
{
    if (!reaped_) {
        Kill();
        Wait();
    }
    ::close(fromChild_);
    ::close(toChild_);
}

std::optional<std::string> ChildProcess::ReadLine()
{
    for (;;) {
        if (const auto end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        char buffer[4096];
        const ssize_t got = ::read(fromChild_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0)
            return std::nullopt;
        pending_.append(buffer, static_cast<std::size_t>(got));
    }
}

void ChildProcess::GoAhead() const
{
    WriteAll(toChild_, "g");
}

void ChildProcess::Kill() const
{
    if (!reaped_)
        ::kill(pid_, SIGKILL);
}

int ChildProcess::Wait()
{
    if (!reaped_) {
        while (::waitpid(pid_, &status_, 0) < 0 && errno == EINTR) {
        }
        reaped_ = true;
    }
    if (WIFSIGNALED(status_))
        return 128 + WTERMSIG(status_);
    return WEXITSTATUS(status_);
}

bool DropRootPrivileges()
{
    if (::geteuid() != 0)
        return true;
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t uid = nobody != nullptr ? nobody->pw_uid : 65534;
    const gid_t gid = nobody != nullptr ? nobody->pw_gid : 65534;
    return ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0 &&
           ::geteuid() != 0;
}

} // namespace nudgeon::test
