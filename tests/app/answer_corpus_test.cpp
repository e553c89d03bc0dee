#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/answer_property.h"
#include "support/temporary_directory.h"

namespace plant {
namespace {

// Replays the fuzzer's committed corpus, so every input it has kept is checked on every run, with
// or without clang.
TEST(AnswerCorpus, EveryKeptInputHoldsTheProperties) {
  const std::string corpus = ANSWER_CORPUS;
  const std::vector<std::string> names = testing::TemporaryDirectory::ListDirectory(corpus);
  ASSERT_GE(names.size(), 10u);
  for (const std::string& name : names) {
    std::ifstream in(corpus + "/" + name, std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    testing::CheckAnswerProperties(bytes.data(), bytes.size());
  }
}

}  // namespace
}  // namespace plant
