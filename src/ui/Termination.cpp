#include "ui/Termination.h"

#include <QApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>

#ifndef _WIN32
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace nudgeon {

#ifndef _WIN32
namespace {

int signalSocket[2] = {-1, -1};

// Only async-signal-safe work here: one byte into the socket, read by the event loop.
void OnSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalSocket[0], &byte, sizeof byte);
}

} // namespace

void CloseOnTerminationRequest(QWidget& mainWindow)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalSocket[1], QSocketNotifier::Read, &mainWindow);
    QPointer<QWidget> window(&mainWindow);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [window, notifier] {
        char byte = 0;
        [[maybe_unused]] const auto read = ::read(signalSocket[1], &byte, sizeof byte);
        notifier->setEnabled(false);
        if (window)
            window->close();
        QApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}
#else
void CloseOnTerminationRequest(QWidget&) {}
#endif

} // namespace nudgeon
