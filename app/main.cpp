// The program block of the HX-OCTSER set-up assistant.
#include "program.h"

int main(int argc, char** argv) { return RunSetupProgram(argc, argv); }
