#pragma once

#include <sys/types.h>

#include <array>
#include <cstdint>

#include "crown/file_system.h"
#include "crown/scratch_directory.h"

namespace plant {

// The four scratch files that carry the crown's tips from level to level.
enum class ScratchFile { kX1, kY1, kX2, kY2 };
enum class TipSet { kTipSet1, kTipSet2 };

struct Tip {
  double x, y;
};

// Tips on disk: headerless files of 10-byte records (type code 5 as a little-endian 16-bit number,
// then the coordinate as a little-endian double), record n at byte 10 (n - 1). Every access is a
// complete open, transfer and close; nothing is cached. A file is created (exclusively) by the first
// write that meets it absent and never truncated. Any failure, a file gone, replaced or cut short,
// throws ScratchFileError naming the file and the reason.
class TipStore {
 public:
  static constexpr std::size_t kRecordSize = 10;
  static constexpr std::uint16_t kDoubleTypeCode = 5;

  TipStore(FileSystem& fileSystem, const ScratchDirectory& directory);

  void WriteRecord(ScratchFile file, std::int32_t record, double value);
  double ReadRecord(ScratchFile file, std::int32_t record);

  // Record numbers come from the crown's counters, whole numbers held as doubles or 16-bit integers.
  void StoreTip(TipSet set, double record, Tip tip);
  Tip LoadTip(TipSet set, double record);

  // Deletes the four files in the order X1, X2, Y1, Y2; each must be there.
  void DeleteFiles();
  // After a failure: deletes whichever of the files this store created, and says nothing.
  void DeleteLeftovers() noexcept;

  static const char* FileName(ScratchFile file);

 private:
  struct FileState {
    bool created = false;
    dev_t device = 0;
    ino_t inode = 0;
  };

  int OpenChecked(ScratchFile file, bool forWriting, const char* verb);
  void CloseChecked(int fd, ScratchFile file, const char* verb);
  [[noreturn]] void Fail(const char* verb, ScratchFile file, const std::string& reason) const;

  FileSystem& fileSystem_;
  const ScratchDirectory& directory_;
  std::array<FileState, 4> files_{};
};

}  // namespace plant
