// SDL's hints and subsystems are not safe to set from two threads at once,
// and the sound player's thread and the pads' owner both set them up.
#pragma once

#include <mutex>

namespace quorvan {

// Held while SDL's hints are set and a subsystem starts or stops.
std::mutex& SdlSetupLock();

}  // namespace quorvan
