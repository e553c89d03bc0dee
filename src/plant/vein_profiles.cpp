#include "plant/vein_profiles.h"

namespace plant {
namespace {

constexpr CubicPiece kVein1[] = {{40, 93, -91.1194121326, 3.9117136701, -0.0512868165, 0.0002610902}};
constexpr CubicPiece kVein2[] = {{60, 103, 120.004011868, -5.9524912312, 0.0896471372, -0.0003962233}};
constexpr CubicPiece kVein3[] = {{85, 90.5, -5303.7215625342, 147.7742386686, -1.3243842996, 0.0037940159}};
constexpr CubicPiece kVein4[] = {{70, 119, 252.958610008, -9.0066406042, 0.1024236807, -0.0003625942}};
constexpr CubicPiece kVein5[] = {{90, 117, -1860.5208670707, 53.5285932615, -0.5135071605, 0.0016493216}};
constexpr CubicPiece kVein6[] = {{95, 132, -47.9023380211, -0.1145336172, 0.0125797829, -6.38571e-05}};
constexpr CubicPiece kVein7[] = {{105, 132, -26.4571307692, -1.5431850796, 0.0310988933, -0.0001333538}};
constexpr CubicPiece kVein8[] = {{126, 129, 34384.6972870696, -795.2711863159, 6.1252647261, -0.0157066275}};
constexpr CubicPiece kVein9[] = {{122, 134.5, -5008.3362814719, 113.2406520336, -0.8531956101, 0.0021433183}};

}  // namespace

const std::array<ProfileTable, 9> kVeinProfiles = {{
    {40, LeftStep::kShifted, kVein1, 93},
    {60, LeftStep::kShifted, kVein2, 103},
    {85, LeftStep::kShifted, kVein3, 90.5},
    {70, LeftStep::kShifted, kVein4, 119},
    {90, LeftStep::kShifted, kVein5, 117},
    {95, LeftStep::kShifted, kVein6, 132},
    {105, LeftStep::kShifted, kVein7, 132},
    {126, LeftStep::kShifted, kVein8, 129},
    {122, LeftStep::kShifted, kVein9, 134.5},
}};

}  // namespace plant
