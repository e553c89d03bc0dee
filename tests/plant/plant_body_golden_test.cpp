#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "canvas/trace_canvas.h"
#include "plant/plant_body.h"
#include "support/stage_digests.h"

namespace plant {
namespace {

// Reference digests of the plant body's dots, computed independently from the same formulas with
// glibc's pow and sin on x86-64. They pin every dot of the 21.5 million to the last bit.
struct Stage {
  const char* name;
  std::uint64_t first;
  std::uint64_t count;
  const char* sha256;
};

const Stage kStages[] = {
    {"base stem", 0, 121, "2ac949072ab4831cabd3d3f3d71d2e388ffb2ae35b4499efb3e0c50dd0947863"},
    {"pass 1 outlines", 121, 9470664, "ee0c864b2b6c84ce5dbafd1761f54e8b9560f157a1cca0624b59c397d8a1e5f4"},
    {"pass 1 fill band", 9470785, 125388, "4b15fc2e593db39614ab81943f99d7c75aa57e2b5d6dfada052b51aa3047f446"},
    {"pass 1 veins", 9596173, 56916, "a4309a6d4dd6c7aee5f0327d28aef547b411cec586f3ec42b5ce19f3ae92b8ca"},
    {"pass 1 stem extension", 9653089, 213, "3432d3a390dcf9f7ad5a7b420e97d473809aa4745de33fccc4c2cc7982d3ab83"},
    {"pass 2 outlines", 9653302, 6515532, "746f78c6f45eb43fe795f512533b31aee358b63bf3042d2b7deb243701ca5501"},
    {"pass 2 fill band", 16168834, 125388, "dc9a2e7e08aaf026f50504d5674bfc922a3a1e3c29769cc6dad34b5b60376730"},
    {"pass 2 veins", 16294222, 56916, "823196b03ec437b92cdaf554511396f2a83da4d12fe75f0405f89400cac05536"},
    {"pass 2 stem extension", 16351138, 362, "4f3459628b2a6affc770e8d566554c612ff53cc3b8c07498d378d77534bbc163"},
    {"pass 3 outlines", 16351500, 4984560, "05adba9662bacbbb56483ceb85846da22f5c5dc2c951ad8a9011de36a75b3a3d"},
    {"pass 3 fill band", 21336060, 125388, "1a04c622fc432198536cd304e0815af5d00caf12a6aa7b20d2cc46a0c60851b6"},
    {"pass 3 veins", 21461448, 56916, "794a878bbc8193fb453997ecb3250f6b9f3b54ffce5027d798fac2c7f382613e"},
    {"pass 3 stem extension", 21518364, 385, "8aa2056dd873b991d20db83ff792f1e0ca066d1c502614c7bb8b5c3bd0f16ebb"},
};
constexpr std::uint64_t kPlantBodyRecords = 21518749;
constexpr const char* kPlantBodySha256 = "12bcbb74fcc7bdb3293fb89eb91328ad7cd7915db49a51e311807494c856b6a6";

TEST(PlantBody, EveryDotMatchesTheReferenceToTheLastBit) {
#if !(defined(__GLIBC__) && defined(__x86_64__))
  GTEST_SKIP() << "The reference digests come from glibc's pow and sin on x86-64; another C library rounds "
                  "the last bit of pow differently at some samples, which moves some dots.";
#endif
  std::vector<std::uint64_t> starts;
  for (const Stage& stage : kStages) starts.push_back(stage.first);
  testing::StageDigests digests(starts);
  TraceCanvas trace([&](std::span<const std::byte> bytes) { digests.Consume(bytes); });

  const PlantBodyResult result = DrawPlantBody(trace);
  trace.Flush();

  EXPECT_EQ(digests.records(), kPlantBodyRecords);
  for (std::size_t i = 0; i < std::size(kStages); ++i) EXPECT_EQ(digests.Stage(i), kStages[i].sha256) << kStages[i].name;
  EXPECT_EQ(digests.Whole(), kPlantBodySha256);
  // What the crown reads: the stem's last counter and the pass counter's exit value.
  EXPECT_EQ(result.StemCounter, 5050);
  EXPECT_EQ(result.PassFactor, 2.35);
}

}  // namespace
}  // namespace plant
