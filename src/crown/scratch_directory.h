#pragma once

#include <stdexcept>
#include <string>

#include "crown/file_system.h"

namespace plant {

// A failure of the scratch files, said in words: which file or directory, and why.
class ScratchFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The directory that holds a drawing's scratch files. Normally a private one, made with mkdtemp
// (mode 0700) under $TMPDIR or /tmp and removed at the end, so that two drawings never share files
// and nobody else can plant a link there; or a directory the user names, which is left in place.
// The files are opened relative to its descriptor, never by a path that could be swapped.
class ScratchDirectory {
 public:
  static ScratchDirectory MakePrivate(FileSystem& fileSystem);
  static ScratchDirectory UseExisting(FileSystem& fileSystem, const std::string& path);

  ScratchDirectory(ScratchDirectory&& other) noexcept;
  ScratchDirectory& operator=(ScratchDirectory&&) = delete;
  ~ScratchDirectory();  // closes, and removes a private directory if it is still there

  int descriptor() const { return descriptor_; }
  const std::string& path() const { return path_; }

  // Closes the directory and removes it if it is private; throws ScratchFileError if that fails.
  void Remove();

 private:
  ScratchDirectory(FileSystem& fileSystem, std::string path, int descriptor, bool isPrivate)
      : fileSystem_(&fileSystem), path_(std::move(path)), descriptor_(descriptor), private_(isPrivate) {}
  void CloseAndRemove(bool reportFailure);

  FileSystem* fileSystem_;
  std::string path_;
  int descriptor_;
  bool private_;
};

// "what: reason" for the current errno.
std::string DescribeError(const std::string& what, int error);

}  // namespace plant
