// Makes the layer's classes known to the description reader.
#pragma once

void RegisterPlatformClasses();
