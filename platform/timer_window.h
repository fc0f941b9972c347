// TTimerWindow: the timers of a hidden window, delivered as WM_TIMER messages by the message loop.
#pragma once

#include "method.h"
#include "types.h"

#include <map>
#include <memory>

class QObject;

class TTimerWindow {
public:
    using THandler = TMethod<void(TMessage& Message)>;

    explicit TTimerWindow(THandler Handler);
    // Stops every timer the window still runs.
    ~TTimerWindow();
    TTimerWindow(const TTimerWindow&) = delete;
    TTimerWindow& operator=(const TTimerWindow&) = delete;

    // Starts (or restarts) the timer of that identifier; false when the system refuses it.
    bool SetTimer(unsigned Id, unsigned IntervalMs);
    void KillTimer(unsigned Id);
    bool Running(unsigned Id) const { return FTimers.count(Id) != 0; }

    // Makes every later SetTimer fail, as a system out of timers would; for tests.
    static void RefuseTimers(bool Refuse);

private:
    class TPeer;
    friend class TPeer;
    void Tick(int qtTimerId);

    THandler FHandler;
    std::unique_ptr<TPeer> FPeer;
    std::map<unsigned, int> FTimers; // our identifier -> the toolkit's
};
