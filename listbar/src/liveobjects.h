#pragma once

namespace PathwellControls {

// Counts the library's objects that are alive, so that the library can say whether
// it may be unloaded.
void objectCreated();
void objectDestroyed();
int liveObjectCount();

} // namespace PathwellControls
