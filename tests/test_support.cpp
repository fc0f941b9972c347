#include "test_support.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace {
// Runs a real event loop for a few milliseconds, so that it also blocks and goes idle as the
// program's own loop does.
void RunLoopBriefly() {
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
}
} // namespace

bool WaitUntil(const std::function<bool()>& condition, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs) return false;
        RunLoopBriefly();
    }
    return true;
}

void ProcessEventsFor(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) RunLoopBriefly();
}

TExceptionRecorder::TExceptionRecorder() : FSaved(Application->OnException) {
    Application->OnException = TExceptionEvent::Of<&TExceptionRecorder::Record>(this);
}

TExceptionRecorder::~TExceptionRecorder() { Application->OnException = FSaved; }

void TExceptionRecorder::Record(TObject*, const Exception& E) { FMessages.push_back(E.Message()); }
