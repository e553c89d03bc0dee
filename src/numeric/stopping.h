#pragma once

#include <stop_token>

namespace plant {

// Thrown out of a drawing when its stop was requested; the press catches it and cleans up.
struct DrawingStopped {};

inline void ThrowIfStopped(const std::stop_token& stop) {
  if (stop.stop_requested()) throw DrawingStopped{};
}

}  // namespace plant
