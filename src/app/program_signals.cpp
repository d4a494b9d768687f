#include "program_signals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int number) {
    const char byte = char(number);
    [[maybe_unused]] const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
}

}  // namespace

void HandleProgramSignals(std::function<void()> onQuit, std::function<void()> onPause) {
    static std::function<void()> quit, pause;
    quit = std::move(onQuit);
    pause = std::move(onPause);
    if (signalPipe[0] >= 0) return;
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, qApp, [] {
        char byte;
        if (::read(signalPipe[0], &byte, 1) != 1) return;
        byte == SIGUSR1 ? pause() : quit();
    });
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : {SIGINT, SIGTERM, SIGUSR1})
        sigaction(number, &action, nullptr);
}
