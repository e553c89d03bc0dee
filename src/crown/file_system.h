#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>

namespace plant {

// The file operations the scratch files go through: the POSIX calls themselves, behind a seam so
// that tests can make any one of them fail with a chosen errno. Each returns what the POSIX call
// returns and leaves errno as it does.
class FileSystem {
 public:
  virtual ~FileSystem() = default;
  virtual char* MakeTemporaryDirectory(char* pathTemplate) = 0;  // mkdtemp
  virtual int Open(const char* path, int flags) = 0;               // open, for directories
  virtual int OpenAt(int directory, const char* name, int flags, mode_t mode) = 0;
  virtual ssize_t ReadAt(int fd, void* buffer, std::size_t size, off_t offset) = 0;         // pread
  virtual ssize_t WriteAt(int fd, const void* buffer, std::size_t size, off_t offset) = 0;  // pwrite
  virtual int Status(int fd, struct stat* status) = 0;                                       // fstat
  virtual int Close(int fd) = 0;
  virtual int UnlinkAt(int directory, const char* name) = 0;
  virtual int RemoveDirectory(const char* path) = 0;  // rmdir
};

FileSystem& RealFileSystem();

}  // namespace plant
