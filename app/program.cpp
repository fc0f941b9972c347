#include "program.h"

#include "main_form.h"
#include "platform/application.h"
#include "platform/reader.h"
#include "platform/types.h"

int RunSetupProgram(int argc, char** argv, const std::function<void()>& applicationCreated) {
    TApplication app(argc, argv);
    if (applicationCreated) applicationCreated();
    RegisterSetupProgram();
    Application->Initialize();
    Application->SetIcon(FindResource("MAINICON"));
    return Application->RunMainForm(MainForm);
}
