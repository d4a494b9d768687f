#include "stdin_feeder.h"

#include "engine/engine.h"
#include "engine/text_files.h"
#include "ui/additional_console.h"

#include <unistd.h>
#include <cerrno>
#include <utility>

StdinFeeder::StdinFeeder(Engine& engine) : engine_(engine) {
    connect(&engine_, &Engine::cycleEnded, this, [this] {
        awaitingTake_ = false;
        feed();
    });
    doneCheck_.setInterval(100);
    connect(&doneCheck_, &QTimer::timeout, this, &StdinFeeder::checkDone);
}

void StdinFeeder::start() {
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
    feed();
}

void StdinFeeder::endOfInput() {
    endOfInput_ = true;
    doneCheck_.start();
}

void StdinFeeder::feed() {
    if (awaitingTake_ || pending_.isEmpty()) return;
    awaitingTake_ = true;
    QueueOwnersPhrase(engine_, pending_.takeFirst());
}

void StdinFeeder::checkDone() {
    if (endOfInput_ && pending_.isEmpty() && !awaitingTake_ && engine_.idle()) {
        doneCheck_.stop();
        emit finished();
    }
}
