#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>

#include <array>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "support/temporary_directory.h"

namespace {

struct RenderRun {
  int status;
  std::string out;
};

// Runs plant-render with the arguments and its error output folded into its output; `prefix` goes
// before it on the shell's command line (environment, limits).
RenderRun Render(const std::string& arguments, const std::string& prefix = "") {
  const std::string command = prefix + " " + std::string(PLANT_RENDER) + " " + arguments + " 2>&1";
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
      {"--size 16384x16384 --scale 8 --output x.png", 2, "32767 pixels a side"},
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

// Answers a user might type, given to --answer: each is drawn, draws nothing, or is refused in
// words; none leaves a scratch file behind.
TEST(PlantRender, HostileAnswers) {
  plant::testing::TemporaryDirectory temporary;
  const std::string environment = "TMPDIR=" + temporary.path();
  const std::string png = " --size 64x48 --output " + temporary.File("p.png");
  const struct {
    std::string answer;
    int status;
    std::string says;
  } cases[] = {
      {"   ", 2, "not a number"},     {"3abc", 2, "not a number"},   {"inf", 2, "not a number"},
      {"nan", 2, "not a number"},     {"1e400", 2, "not a number"},  {"0x10", 2, "not a number"},
      {"3 4", 2, "not a number"},     {"1,234.5", 2, "not a number"}, {"\xef\xbc\x93", 2, "not a number"},
      {"0.7", 0, "nothing to draw"},  {"-0.5", 0, "nothing to draw"}, {"1e-2", 0, "nothing to draw"},
      {std::string(10000, '7'), 2, "not a number"},
      {" 2,5 ", 0, ""},               {"-1", 0, ""},
  };
  for (const auto& c : cases) {
    const RenderRun run = Render("--answer '" + c.answer + "'" + png, environment);
    const std::string shown = c.answer.substr(0, 20);
    EXPECT_EQ(run.status, c.status) << shown << "\n" << run.out;
    EXPECT_NE(run.out.find(c.says), std::string::npos) << shown << "\n" << run.out;
    std::remove(temporary.File("p.png").c_str());
    EXPECT_TRUE(temporary.Entries().empty()) << shown;
  }
}

TEST(PlantRender, FileFaultsEndTheDrawingInWords) {
  plant::testing::TemporaryDirectory temporary;
  const RenderRun missing = Render("--answer 1 --size 64x48 --output /dev/null", "TMPDIR=/nonexistent/scratch");
  EXPECT_EQ(missing.status, 1) << missing.out;
  EXPECT_NE(missing.out.find("Cannot make a scratch directory in /nonexistent/scratch"), std::string::npos) << missing.out;

  // No room for a single byte: the first record cannot be written.
  const RenderRun full = Render("--answer 1 --digest", "TMPDIR=" + temporary.path() + " sh -c 'trap \"\" XFSZ; ulimit -f 0; exec \"$0\" \"$@\"'");
  EXPECT_EQ(full.status, 1) << full.out;
  EXPECT_NE(full.out.find("VELMX1.VBP"), std::string::npos) << full.out;
  EXPECT_NE(full.out.find("File too large"), std::string::npos) << full.out;
  EXPECT_TRUE(temporary.Entries().empty());
}

// Starts plant-render in the background with TMPDIR set.
pid_t Start(const std::vector<std::string>& arguments, const std::string& tmpdir) {
  std::vector<std::string> words = {PLANT_RENDER};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  std::string environment = "TMPDIR=" + tmpdir;
  char* envp[] = {environment.data(), nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp);
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

TEST(PlantRender, SignalsStopTheDrawingAndRemoveTheScratchFiles) {
  for (int signal : {SIGINT, SIGTERM}) {
    plant::testing::TemporaryDirectory temporary;
    const pid_t pid = Start({"--answer", "100000", "--size", "64x48", "--output", "/dev/null"}, temporary.path());
    ASSERT_GT(pid, 0);
    // Wait until the crowns are growing: the private directory holds its four files.
    bool growing = false;
    for (int i = 0; i < 500 && !growing; ++i) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
      const std::vector<std::string> entries = temporary.Entries();
      growing = entries.size() == 1 && plant::testing::TemporaryDirectory::ListDirectory(temporary.File(entries[0])).size() == 4;
    }
    ASSERT_TRUE(growing);
    kill(pid, signal);
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << "signal " << signal << ", status " << status;
    EXPECT_TRUE(temporary.Entries().empty()) << "signal " << signal;
  }
}

TEST(PlantRender, TwoAtOnceDrawWhatOneDrawsAlone) {
  plant::testing::TemporaryDirectory temporary;
  const std::string arguments = "--answer 3 --clock 43200.25 --digest";
  const std::string environment = "TMPDIR=" + temporary.path();
  RenderRun first, second;
  std::thread other([&] { second = Render(arguments, environment); });
  first = Render(arguments, environment);
  other.join();
  const RenderRun alone = Render(arguments, environment);
  ASSERT_EQ(alone.status, 0) << alone.out;
  EXPECT_EQ(first.out, alone.out);
  EXPECT_EQ(second.out, alone.out);
  EXPECT_TRUE(temporary.Entries().empty());
}

// --scale N draws the same picture at N times the resolution, pen widths included; 1 changes nothing.
TEST(PlantRender, ScaleDrawsAtHigherResolution) {
  plant::testing::TemporaryDirectory temporary;
  const std::string common = "--answer 1 --clock 43200.25 --size 400x560 --output ";
  ASSERT_EQ(Render(common + temporary.File("plain.png")).status, 0);
  ASSERT_EQ(Render(common + temporary.File("one.png") + " --scale 1").status, 0);
  ASSERT_EQ(Render(common + temporary.File("three.png") + " --scale 3").status, 0);
  EXPECT_EQ(temporary.Read("plain.png"), temporary.Read("one.png"));
  const QImage three(QString::fromStdString(temporary.File("three.png")));
  ASSERT_EQ(three.size(), QSize(1200, 1680));
  const int row = 7500 * 3 / 15;  // through the base stem, whose dots are 8 pixels wide
  int green = 0;
  for (int x = (3800 - 225) * 3 / 15; x < (3800 + 225) * 3 / 15; ++x) green += three.pixel(x, row) == qRgb(0, 255, 0);
  EXPECT_EQ(green, 24);
  EXPECT_EQ(Render(common + temporary.File("x.png") + " --scale 9").status, 2);
}

}  // namespace
