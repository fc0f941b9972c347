// Makes the component set's classes known to the description reader.
#pragma once

void RegisterSetupCtrls();
