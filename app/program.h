// The program's start-up, shared by main() and the tools that measure it.
#pragma once

#include <functional>

// Creates the application and the main window from the board description, then runs the message
// loop; returns the exit code. The hook, when given, runs once the application object exists.
int RunSetupProgram(int argc, char** argv, const std::function<void()>& applicationCreated = {});
