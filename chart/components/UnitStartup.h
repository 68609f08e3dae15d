#pragma once

// Start-up and finish of every unit that has start-up work, in dependency order.
// Called once by main() and by the test main; nothing relies on static initialisation order.
void InitializeUnits();
// Finishes the units in reverse order of their start-up.
void FinalizeUnits();
