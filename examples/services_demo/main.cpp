// A small board program that shows the cards listing and a running calibration.
//
//   ServicesDemo [--pci-devices DIR]
//
// DIR stands in for /sys/bus/pci/devices, so that the listing can be tried without the card.
#include "demo_form.h"

#include "platform/application.h"
#include "platform/reader.h"
#include "platform/registry.h"

#include <cstring>
#include <memory>

int main(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--pci-devices") == 0)
            SetRegistryStore(std::make_shared<TSysfsPciRegistryStore>(argv[i + 1]));
    TApplication app(argc, argv);
    RegisterServicesDemo();
    Application->Initialize();
    Application->SetIcon(FindResource("MAINICON"));
    return Application->RunMainForm(DemoForm);
}
