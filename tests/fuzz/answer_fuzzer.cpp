// libFuzzer target for the dialog's answer: clang++ -fsanitize=fuzzer,address,undefined.
#include "fuzz/answer_property.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  plant::testing::CheckAnswerProperties(data, size);
  return 0;
}
