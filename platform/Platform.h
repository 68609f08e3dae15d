#pragma once

// Start-up and finish of the platform layer: FormatSettings from the system locale, the
// random state, and an empty class registry at the end.
void PlatformInitialize();
void PlatformFinalize();
