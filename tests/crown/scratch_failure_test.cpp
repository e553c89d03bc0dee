#include <gtest/gtest.h>
#include <stdlib.h>
#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "app/press.h"
#include "support/faulty_file_system.h"
#include "support/recording_canvas.h"
#include "support/temporary_directory.h"

namespace plant {
namespace {

using testing::FaultyFileSystem;
using Call = FaultyFileSystem::Call;

// Every drawing keeps its scratch files in a private directory under TMPDIR; here TMPDIR is a
// directory of the test's own, so whatever a drawing leaves behind shows.
class ScratchFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* previous = getenv("TMPDIR");
    if (previous) previousTmpdir_ = previous;
    setenv("TMPDIR", temporary.path().c_str(), 1);
  }
  void TearDown() override {
    if (previousTmpdir_.empty()) unsetenv("TMPDIR"); else setenv("TMPDIR", previousTmpdir_.c_str(), 1);
  }

  PressOutcome Draw() {
    PressContext context(generator);
    context.clock = Clock::Frozen(43200.25f);
    context.fileSystem = &fileSystem;
    testing::CountingCanvas canvas;
    return DrawPlant(canvas, 1, context);
  }

  // The single private directory a drawing has made, while it runs.
  std::string PrivateDirectory() const { return temporary.path() + "/" + temporary.Entries().at(0); }

  testing::TemporaryDirectory temporary;
  FaultyFileSystem fileSystem;
  Generator generator;

 private:
  std::string previousTmpdir_;
};

TEST_F(ScratchFilesTest, ADrawingDeletesItsFilesInOrderAndItsDirectory) {
  const PressOutcome outcome = Draw();
  EXPECT_EQ(outcome.result, PressResult::kDrawn) << outcome.message;
  EXPECT_EQ(fileSystem.unlinked, (std::vector<std::string>{"VELMX1.VBP", "VELMX2.VBP", "VELMY1.VBP", "VELMY2.VBP"}));
  EXPECT_EQ(fileSystem.removedDirectories.size(), 1u);
  EXPECT_TRUE(temporary.Entries().empty());
}

struct FaultCase {
  const char* name;
  Call call;
  int nth;
  int error;
  ssize_t shortResult;
  const char* saysWhat;
  const char* saysWhy;
  friend void PrintTo(const FaultCase& c, std::ostream* out) { *out << c.name; }
};

class StoreFault : public ScratchFilesTest, public ::testing::WithParamInterface<FaultCase> {};

// Each failure ends the drawing in words, naming the file and the reason, and leaves nothing behind.
TEST_P(StoreFault, EndsTheDrawingInWordsAndLeavesNothing) {
  const FaultCase& c = GetParam();
  fileSystem.FailOn(c.call, c.nth, c.error, c.shortResult);
  const PressOutcome outcome = Draw();
  EXPECT_EQ(outcome.result, PressResult::kFailed);
  EXPECT_NE(outcome.message.find(c.saysWhat), std::string::npos) << outcome.message;
  EXPECT_NE(outcome.message.find(c.saysWhy), std::string::npos) << outcome.message;
  EXPECT_TRUE(temporary.Entries().empty()) << "left behind: " << temporary.Entries().front();
}

INSTANTIATE_TEST_SUITE_P(
    Faults, StoreFault,
    ::testing::Values(
        FaultCase{"DirectoryNotCreatable", Call::kMakeDirectory, 1, EACCES, -1, "Cannot make a scratch directory", "Permission denied"},
        FaultCase{"NoSpaceToCreate", Call::kOpenAt, 1, ENOSPC, -1, "VELMX1.VBP", "No space left on device"},
        FaultCase{"NoSpaceMidway", Call::kWriteAt, 57, ENOSPC, -1, "Cannot write", "No space left on device"},
        FaultCase{"FileTooLarge", Call::kWriteAt, 3, EFBIG, -1, "VELMX1.VBP", "File too large"},
        FaultCase{"ShortWrite", Call::kWriteAt, 10, 0, 4, "Cannot write", "cut short"},
        FaultCase{"ReadError", Call::kReadAt, 5, EIO, -1, "Cannot read", "Input/output error"},
        FaultCase{"CloseFails", Call::kClose, 20, EIO, -1, "Cannot", "Input/output error"},
        FaultCase{"StatusFails", Call::kStatus, 7, EIO, -1, "Cannot", "Input/output error"},
        FaultCase{"DeletionFails", Call::kUnlinkAt, 2, EBUSY, -1, "Cannot delete VELMX2.VBP", "busy"}),
    [](const auto& info) { return info.param.name; });

TEST_F(ScratchFilesTest, AFileRemovedDuringTheDrawingIsMissed) {
  fileSystem.BeforeOpenAt(30, [&] { unlink((PrivateDirectory() + "/VELMX2.VBP").c_str()); });
  const PressOutcome outcome = Draw();
  EXPECT_EQ(outcome.result, PressResult::kFailed);
  EXPECT_NE(outcome.message.find("VELMX2.VBP"), std::string::npos) << outcome.message;
  EXPECT_NE(outcome.message.find("gone"), std::string::npos) << outcome.message;
  EXPECT_TRUE(temporary.Entries().empty());
}

TEST_F(ScratchFilesTest, AFileCutShortIsMissed) {
  fileSystem.BeforeOpenAt(5, [&] { truncate((PrivateDirectory() + "/VELMX1.VBP").c_str(), 0); });
  const PressOutcome outcome = Draw();
  EXPECT_EQ(outcome.result, PressResult::kFailed);
  EXPECT_NE(outcome.message.find("past the end"), std::string::npos) << outcome.message;
  EXPECT_TRUE(temporary.Entries().empty());
}

TEST_F(ScratchFilesTest, ALinkPlantedInPlaceOfAFileIsNeverFollowed) {
  testing::TemporaryDirectory elsewhere;
  const std::string target = elsewhere.File("precious");
  std::ofstream(target) << "keep me";
  fileSystem.BeforeOpenAt(3, [&] {
    const std::string file = PrivateDirectory() + "/VELMX1.VBP";
    unlink(file.c_str());
    symlink(target.c_str(), file.c_str());
  });
  const PressOutcome outcome = Draw();
  EXPECT_EQ(outcome.result, PressResult::kFailed);
  EXPECT_NE(outcome.message.find("symbolic link"), std::string::npos) << outcome.message;
  EXPECT_EQ(elsewhere.Read("precious").size(), 7u);
  EXPECT_TRUE(temporary.Entries().empty());
}

TEST_F(ScratchFilesTest, AFileReplacedByAnotherIsMissed) {
  int original = -1;  // held open, so that the replacement cannot take over its inode number
  fileSystem.BeforeOpenAt(3, [&] {
    const std::string file = PrivateDirectory() + "/VELMX1.VBP";
    original = open(file.c_str(), O_RDONLY);
    unlink(file.c_str());
    std::ofstream(file) << "0123456789";
  });
  const PressOutcome outcome = Draw();
  EXPECT_EQ(outcome.result, PressResult::kFailed);
  EXPECT_NE(outcome.message.find("replaced"), std::string::npos) << outcome.message;
  EXPECT_TRUE(temporary.Entries().empty());
  close(original);
}

}  // namespace
}  // namespace plant
