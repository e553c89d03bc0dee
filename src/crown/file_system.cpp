#include "crown/file_system.h"

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace plant {
namespace {

class PosixFileSystem final : public FileSystem {
 public:
  char* MakeTemporaryDirectory(char* pathTemplate) override { return ::mkdtemp(pathTemplate); }
  int Open(const char* path, int flags) override { return ::open(path, flags); }
  int OpenAt(int directory, const char* name, int flags, mode_t mode) override {
    return ::openat(directory, name, flags, mode);
  }
  ssize_t ReadAt(int fd, void* buffer, std::size_t size, off_t offset) override {
    return ::pread(fd, buffer, size, offset);
  }
  ssize_t WriteAt(int fd, const void* buffer, std::size_t size, off_t offset) override {
    return ::pwrite(fd, buffer, size, offset);
  }
  int Status(int fd, struct stat* status) override { return ::fstat(fd, status); }
  int Close(int fd) override { return ::close(fd); }
  int UnlinkAt(int directory, const char* name) override { return ::unlinkat(directory, name, 0); }
  int RemoveDirectory(const char* path) override { return ::rmdir(path); }
};

}  // namespace

FileSystem& RealFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

}  // namespace plant
