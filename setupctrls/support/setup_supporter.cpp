#include "setup_supporter.h"

#include "platform/application.h"

TSetupSupporter::TSetupSupporter(TComponent* AOwner) : TComponent(AOwner) {}

void TSetupSupporter::AppIdle(TObject* Sender, bool&) {
    if (auto* app = dynamic_cast<TApplication*>(Sender)) app->OnIdle = {};
    DeferredSetup();
}

void TSetupSupporter::DeferredSetup() { FSetupDone = true; }
