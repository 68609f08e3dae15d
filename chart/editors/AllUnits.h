#pragma once

// Start-up and finish of every unit: the chart library's (InitializeUnits), then the tool
// editor forms', which the chart library cannot reach. The program and the test suites call
// these once; the finish runs in reverse order.
void InitializeAllUnits();
void FinalizeAllUnits();
