#pragma once

// The program: application object, units, main form and about box, message loop.
// Returns the program's exit code.
int ProgramMain(int& argc, char** argv);
