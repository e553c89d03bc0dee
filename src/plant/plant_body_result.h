#pragma once

namespace plant {

// What the plant body leaves for the crown: the stem's last counter, which places the crown's base,
// and the pass counter's exit value, which the crown's first seed reads.
struct PlantBodyResult {
  double StemCounter = 0;  // 5050
  double PassFactor = 0;   // 2.35
};

}  // namespace plant
