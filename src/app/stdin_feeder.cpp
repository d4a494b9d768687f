#include "stdin_feeder.h"

#include "engine/engine.h"
#include "engine/input_queue.h"
#include "engine/text_files.h"

#include <fcntl.h>
#include <unistd.h>
#include <cerrno>
#include <utility>

StdinFeeder::StdinFeeder(Engine& engine) : engine_(engine) {
    idleCheck_.setInterval(100);
    connect(&idleCheck_, &QTimer::timeout, this, &StdinFeeder::feedWhenIdle);
}

void StdinFeeder::start() {
    // A program started without any stdin (closed, not even /dev/null) has nothing to read.
    if (::fcntl(STDIN_FILENO, F_GETFD) == -1) return endOfInput();
    notifier_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &StdinFeeder::readAvailable);
}

void StdinFeeder::readAvailable() {
    char chunk[4096];
    const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR) return;
    if (got <= 0) {
        notifier_->setEnabled(false);
        if (!buffer_.isEmpty()) lineRead(std::exchange(buffer_, {}));
        endOfInput();
        return;
    }
    buffer_.append(chunk, got);
    qsizetype end;
    while ((end = buffer_.indexOf('\n')) >= 0) {
        const QByteArray line = buffer_.left(end);
        buffer_.remove(0, end + 1);
        lineRead(line);
    }
}

void StdinFeeder::lineRead(const QByteArray& line) {
    QString phrase = DecodeText(line);
    if (phrase.endsWith('\r')) phrase.chop(1);
    if (phrase.trimmed().isEmpty()) return;
    pending_ << phrase;
    watch();
}

void StdinFeeder::endOfInput() {
    endOfInput_ = true;
    watch();
}

void StdinFeeder::watch() {
    if (!idleCheck_.isActive()) idleCheck_.start();
}

void StdinFeeder::feedWhenIdle() {
    if (!engine_.idle()) return;
    if (!pending_.isEmpty()) {
        QueueOwnersPhrase(engine_, pending_.takeFirst());
        return;
    }
    idleCheck_.stop();
    if (endOfInput_) emit finished();
}
