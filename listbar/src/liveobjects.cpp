#include "liveobjects.h"

#include <atomic>

namespace PathwellControls {

namespace {
std::atomic<int> liveObjects{0};
}

void objectCreated() {
    ++liveObjects;
}

void objectDestroyed() {
    --liveObjects;
}

int liveObjectCount() {
    return liveObjects;
}

} // namespace PathwellControls
