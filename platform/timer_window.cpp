#include "timer_window.h"

#include "application.h"

#include <QObject>
#include <algorithm>
#include <QTimerEvent>

namespace {
bool RefuseAll = false;
}

class TTimerWindow::TPeer : public QObject {
public:
    explicit TPeer(TTimerWindow& owner) : FOwner(owner) {}

protected:
    void timerEvent(QTimerEvent* e) override { FOwner.Tick(e->timerId()); }

private:
    TTimerWindow& FOwner;
};

TTimerWindow::TTimerWindow(THandler Handler) : FHandler(Handler), FPeer(std::make_unique<TPeer>(*this)) {}

TTimerWindow::~TTimerWindow() {
    for (const auto& [id, qtId] : FTimers) FPeer->killTimer(qtId);
    FTimers.clear();
}

void TTimerWindow::RefuseTimers(bool Refuse) { RefuseAll = Refuse; }

bool TTimerWindow::SetTimer(unsigned Id, unsigned IntervalMs) {
    KillTimer(Id);
    if (RefuseAll) return false;
    int qtId = FPeer->startTimer(static_cast<int>(IntervalMs), Qt::CoarseTimer);
    if (qtId == 0) return false;
    FTimers[Id] = qtId;
    return true;
}

void TTimerWindow::KillTimer(unsigned Id) {
    auto it = FTimers.find(Id);
    if (it == FTimers.end()) return;
    FPeer->killTimer(it->second);
    FTimers.erase(it);
}

void TTimerWindow::Tick(int qtTimerId) {
    auto it = std::find_if(FTimers.begin(), FTimers.end(), [&](const auto& t) { return t.second == qtTimerId; });
    if (it == FTimers.end()) return;
    // The handler may start and stop timers, so nothing of the map is held across the call.
    TMessage m{WM_TIMER, static_cast<std::intptr_t>(it->first), 0, 0};
    // The handler reports its own failures; this guard only keeps the toolkit safe.
    Protected(nullptr, [&] { FHandler(m); });
}
