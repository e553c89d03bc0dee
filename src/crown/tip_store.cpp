#include "crown/tip_store.h"

#include <fcntl.h>

#include <bit>
#include <cerrno>
#include <cstring>
#include <string>

#include "numeric/integer_conversion.h"

namespace plant {

static_assert(std::endian::native == std::endian::little, "records are little-endian; add byte swapping here");

namespace {

std::size_t Index(ScratchFile file) { return static_cast<std::size_t>(file); }

off_t RecordOffset(std::int32_t record) { return static_cast<off_t>(record - 1) * static_cast<off_t>(TipStore::kRecordSize); }

}  // namespace

TipStore::TipStore(FileSystem& fileSystem, const ScratchDirectory& directory)
    : fileSystem_(fileSystem), directory_(directory) {}

const char* TipStore::FileName(ScratchFile file) {
  static constexpr const char* kNames[] = {"VELMX1.VBP", "VELMY1.VBP", "VELMX2.VBP", "VELMY2.VBP"};
  return kNames[Index(file)];
}

void TipStore::Fail(const char* verb, ScratchFile file, const std::string& reason) const {
  throw ScratchFileError(std::string("Cannot ") + verb + " " + FileName(file) + " in " + directory_.path() + ": " + reason);
}

int TipStore::OpenChecked(ScratchFile file, bool forWriting, const char* verb) {
  FileState& state = files_[Index(file)];
  if (!forWriting && !state.created) Fail(verb, file, "nothing was written to it yet");
  // The first write creates the file, and only if nothing is there yet; afterwards it must be the
  // very file this store created.
  const bool creating = forWriting && !state.created;
  const int flags = (forWriting ? O_RDWR : O_RDONLY) | O_NOFOLLOW | O_CLOEXEC | (creating ? O_CREAT | O_EXCL : 0);
  const int fd = fileSystem_.OpenAt(directory_.descriptor(), FileName(file), flags, 0600);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT && state.created) Fail(verb, file, "the file is gone");
    if (error == ELOOP) Fail(verb, file, "the file was replaced by a symbolic link");
    Fail(verb, file, std::strerror(error));
  }
  if (creating) state.created = true;
  struct stat status {};
  if (fileSystem_.Status(fd, &status) != 0) {
    const int error = errno;
    fileSystem_.Close(fd);
    Fail(verb, file, std::strerror(error));
  }
  if (creating) {
    state.device = status.st_dev;
    state.inode = status.st_ino;
  } else if (!S_ISREG(status.st_mode) || status.st_dev != state.device || status.st_ino != state.inode) {
    fileSystem_.Close(fd);
    Fail(verb, file, "the file was replaced");
  }
  return fd;
}

void TipStore::CloseChecked(int fd, ScratchFile file, const char* verb) {
  if (fileSystem_.Close(fd) != 0) Fail(verb, file, std::strerror(errno));
}

void TipStore::WriteRecord(ScratchFile file, std::int32_t record, double value) {
  if (record < 1) Fail("write", file, "record " + std::to_string(record) + " does not exist");
  unsigned char bytes[kRecordSize];
  std::memcpy(bytes, &kDoubleTypeCode, 2);
  std::memcpy(bytes + 2, &value, 8);
  const int fd = OpenChecked(file, true, "write");
  const ssize_t written = fileSystem_.WriteAt(fd, bytes, kRecordSize, RecordOffset(record));
  if (written != static_cast<ssize_t>(kRecordSize)) {
    const int error = errno;
    fileSystem_.Close(fd);
    Fail("write", file, written < 0 ? std::strerror(error) : "the record was cut short (is the disk full?)");
  }
  CloseChecked(fd, file, "write");
}

double TipStore::ReadRecord(ScratchFile file, std::int32_t record) {
  if (record < 1) Fail("read", file, "record " + std::to_string(record) + " does not exist");
  unsigned char bytes[kRecordSize];
  const int fd = OpenChecked(file, false, "read");
  const ssize_t read = fileSystem_.ReadAt(fd, bytes, kRecordSize, RecordOffset(record));
  if (read != static_cast<ssize_t>(kRecordSize)) {
    const int error = errno;
    fileSystem_.Close(fd);
    Fail("read", file, read < 0 ? std::strerror(error) : "record " + std::to_string(record) + " is past the end of the file");
  }
  CloseChecked(fd, file, "read");
  std::uint16_t typeCode = 0;
  std::memcpy(&typeCode, bytes, 2);
  if (typeCode != kDoubleTypeCode) Fail("read", file, "record " + std::to_string(record) + " does not hold a coordinate");
  double value = 0;
  std::memcpy(&value, bytes + 2, 8);
  return value;
}

void TipStore::StoreTip(TipSet set, double record, Tip tip) {
  const std::int32_t number = RoundToInteger32(record);
  WriteRecord(set == TipSet::kTipSet1 ? ScratchFile::kX1 : ScratchFile::kX2, number, tip.x);
  WriteRecord(set == TipSet::kTipSet1 ? ScratchFile::kY1 : ScratchFile::kY2, number, tip.y);
}

Tip TipStore::LoadTip(TipSet set, double record) {
  const std::int32_t number = RoundToInteger32(record);
  const double x = ReadRecord(set == TipSet::kTipSet1 ? ScratchFile::kX1 : ScratchFile::kX2, number);
  const double y = ReadRecord(set == TipSet::kTipSet1 ? ScratchFile::kY1 : ScratchFile::kY2, number);
  return {x, y};
}

void TipStore::DeleteFiles() {
  std::string failure;
  for (ScratchFile file : {ScratchFile::kX1, ScratchFile::kX2, ScratchFile::kY1, ScratchFile::kY2}) {
    // A file this store never created is not deleted: it is not ours.
    if (!files_[Index(file)].created) {
      if (failure.empty()) failure = std::string("Cannot delete ") + FileName(file) + " in " + directory_.path() + ": it was never written";
      continue;
    }
    if (fileSystem_.UnlinkAt(directory_.descriptor(), FileName(file)) == 0) {
      files_[Index(file)].created = false;
    } else if (failure.empty()) {
      failure = std::string("Cannot delete ") + FileName(file) + " in " + directory_.path() + ": " + std::strerror(errno);
    }
  }
  if (!failure.empty()) throw ScratchFileError(failure);
}

void TipStore::DeleteLeftovers() noexcept {
  for (ScratchFile file : {ScratchFile::kX1, ScratchFile::kX2, ScratchFile::kY1, ScratchFile::kY2}) {
    if (!files_[Index(file)].created) continue;
    files_[Index(file)].created = false;
    fileSystem_.UnlinkAt(directory_.descriptor(), FileName(file));
  }
}

}  // namespace plant
