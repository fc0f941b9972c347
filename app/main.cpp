// The program block of the HX-OCTSER set-up assistant.
#include "main_form.h"

#include "platform/application.h"
#include "platform/reader.h"
#include "platform/types.h"

#include <cstdio>

int main(int argc, char** argv) {
    TApplication app(argc, argv);
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
