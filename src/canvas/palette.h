#pragma once

#include <cstdint>
#include <stdexcept>

namespace plant {

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The standard 16-colour palette in text-mode order.
constexpr Rgb PaletteColour(std::int16_t index) {
  constexpr Rgb kPalette[16] = {
      {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128},  {128, 0, 0},    {128, 0, 128},
      {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},    {0, 255, 255},
      {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
  };
  if (index < 0 || index > 15) throw std::out_of_range("palette colours are numbered 0 to 15");
  return kPalette[index];
}

}  // namespace plant
