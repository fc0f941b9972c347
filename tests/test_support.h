// Helpers shared by the tests: running the event loop and catching what the exception report says.
#pragma once

#include "platform/application.h"

#include <functional>
#include <string>
#include <vector>

// Runs the event loop until the condition holds or the time is up; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);
// Runs the event loop for a while.
void ProcessEventsFor(int ms);

// Records every exception the application reports, instead of showing a message box, while alive.
class TExceptionRecorder {
public:
    TExceptionRecorder();
    ~TExceptionRecorder();
    const std::vector<std::string>& Messages() const { return FMessages; }

private:
    void Record(TObject* Sender, const Exception& E);
    std::vector<std::string> FMessages;
    TExceptionEvent FSaved;
};
