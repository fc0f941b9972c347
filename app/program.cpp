#include "program.h"

#include "main_form.h"
#include "platform/application.h"
#include "platform/reader.h"
#include "platform/types.h"

#include <cstdio>
#include <string>

int RunSetupProgram(int argc, char** argv, const std::function<void()>& applicationCreated) {
    TApplication app(argc, argv);
    if (applicationCreated) applicationCreated();
    RegisterSetupProgram();
    Application->Initialize();
    Application->SetIcon(FindResource("MAINICON"));
    try {
        Application->CreateForm(MainForm);
    } catch (const std::exception& e) {
        // Without its board description the program has no window to show.
        std::fprintf(stderr, "Setup: %s\n", e.what());
        Application->MessageBox(std::string("The set-up program cannot start: ") + e.what(), "Setup",
                                MB_OK | MB_ICONSTOP);
        return 1;
    }
    return Application->Run();
}
