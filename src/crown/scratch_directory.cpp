#include "crown/scratch_directory.h"

#include <fcntl.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace plant {

std::string DescribeError(const std::string& what, int error) { return what + ": " + std::strerror(error); }

ScratchDirectory ScratchDirectory::MakePrivate(FileSystem& fileSystem) {
  const char* temporary = std::getenv("TMPDIR");
  std::string base = (temporary && *temporary) ? temporary : "/tmp";
  if (base.size() > 1 && base.back() == '/') base.pop_back();
  const std::string pathTemplate = base + "/plant-XXXXXX";
  std::vector<char> buffer(pathTemplate.begin(), pathTemplate.end());
  buffer.push_back('\0');
  if (!fileSystem.MakeTemporaryDirectory(buffer.data())) {
    throw ScratchFileError(DescribeError("Cannot make a scratch directory in " + base, errno));
  }
  std::string path(buffer.data());
  const int descriptor = fileSystem.Open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
  if (descriptor < 0) {
    const int error = errno;
    fileSystem.RemoveDirectory(path.c_str());
    throw ScratchFileError(DescribeError("Cannot open the scratch directory " + path, error));
  }
  return ScratchDirectory(fileSystem, std::move(path), descriptor, true);
}

ScratchDirectory ScratchDirectory::UseExisting(FileSystem& fileSystem, const std::string& path) {
  const int descriptor = fileSystem.Open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) throw ScratchFileError(DescribeError("Cannot use the scratch directory " + path, errno));
  return ScratchDirectory(fileSystem, path, descriptor, false);
}

ScratchDirectory::ScratchDirectory(ScratchDirectory&& other) noexcept
    : fileSystem_(other.fileSystem_), path_(std::move(other.path_)), descriptor_(other.descriptor_), private_(other.private_) {
  other.descriptor_ = -1;
  other.private_ = false;
}

ScratchDirectory::~ScratchDirectory() { CloseAndRemove(false); }

void ScratchDirectory::Remove() { CloseAndRemove(true); }

void ScratchDirectory::CloseAndRemove(bool reportFailure) {
  if (descriptor_ >= 0) {
    fileSystem_->Close(descriptor_);
    descriptor_ = -1;
  }
  if (!private_) return;
  private_ = false;
  if (fileSystem_->RemoveDirectory(path_.c_str()) != 0 && reportFailure) {
    throw ScratchFileError(DescribeError("Cannot remove the scratch directory " + path_, errno));
  }
}

}  // namespace plant
