#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>

#include <array>
#include <cstdio>
#include <string>

#include "support/temporary_directory.h"

namespace {

struct RenderRun {
  int status;
  std::string out;
};

// Runs plant-render with the arguments and its error output folded into its output.
RenderRun Render(const std::string& arguments) {
  const std::string command = std::string(PLANT_RENDER) + " " + arguments + " 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  std::array<char, 4096> buffer{};
  while (std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) out.append(buffer.data(), n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

constexpr const char* kEmptySha256 = "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855";

TEST(PlantRender, ExitStatusesAndWhatTheySay) {
  const struct {
    std::string arguments;
    int status;
    std::string says;
  } cases[] = {
      {"--answer abc --digest", 2, "not a number"},
      {"--answer 0 --digest", 0, kEmptySha256},
      {"--answer '' --digest", 0, "nothing to draw"},
      {"--size 0x0 --digest", 2, "--size"},
      {"--clock -1 --digest", 2, "--clock"},
      {"--answer 1", 2, "--output"},
      {"--bogus", 2, "bogus"},
      {"--answer 1 --clock 1 --digest --scratch-dir /nonexistent/place", 1, "/nonexistent/place"},
      {"--version", 0, "plant-render"},
      {"--help", 0, "Exit status"},
  };
  for (const auto& c : cases) {
    const RenderRun run = Render(c.arguments);
    EXPECT_EQ(run.status, c.status) << c.arguments << "\n" << run.out;
    EXPECT_NE(run.out.find(c.says), std::string::npos) << c.arguments << "\n" << run.out;
  }
}

TEST(PlantRender, DrawsAReproduciblePictureAndTrace) {
  plant::testing::TemporaryDirectory temporary;
  const std::string arguments = "--answer 2 --clock 43200.25 --size 400x300 --digest --output " + temporary.File("plant.png") +
                                " --trace " + temporary.File("trace.bin") + " --scratch-dir " + temporary.path();
  const RenderRun first = Render(arguments);
  ASSERT_EQ(first.status, 0) << first.out;
  const RenderRun second = Render(arguments);
  EXPECT_EQ(second.out, first.out);
  EXPECT_EQ(first.out.size(), 65u);  // a SHA-256 in hex and a newline

  const QImage picture(QString::fromStdString(temporary.File("plant.png")));
  EXPECT_EQ(picture.size(), QSize(400, 300));
  EXPECT_EQ(picture.pixel(253, 266), qRgb(0, 255, 0)) << "the stem, at x = 3800 twips";
  // Two crowns after the plant body's 21,518,749 dots, each plotting at least its trunk.
  EXPECT_GT(temporary.Read("trace.bin").size(), (21518749u + 2 * 352u) * 12);
  // The scratch files were made in the named directory and deleted from it.
  EXPECT_EQ(temporary.Entries().size(), 2u);
}

}  // namespace
