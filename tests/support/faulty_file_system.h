#pragma once

#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "crown/file_system.h"

namespace plant::testing {

// The real file operations, except that the Nth call of one kind can fail with a chosen errno, or
// be preceded by something done behind the store's back. It also logs what is deleted.
class FaultyFileSystem : public FileSystem {
 public:
  enum class Call { kMakeDirectory, kOpenAt, kReadAt, kWriteAt, kStatus, kClose, kUnlinkAt };

  void FailOn(Call call, int nth, int error, ssize_t shortResult = -1) {
    call_ = call, nth_ = nth, error_ = error, shortResult_ = shortResult;
  }
  void BeforeOpenAt(int nth, std::function<void()> action) { actionAt_ = nth, action_ = std::move(action); }

  std::vector<std::string> unlinked;
  std::vector<std::string> removedDirectories;

  char* MakeTemporaryDirectory(char* pathTemplate) override {
    if (Fails(Call::kMakeDirectory)) return nullptr;
    return real_.MakeTemporaryDirectory(pathTemplate);
  }
  int Open(const char* path, int flags) override { return real_.Open(path, flags); }
  int OpenAt(int directory, const char* name, int flags, mode_t mode) override {
    if (++openAts_ == actionAt_ && action_) action_();
    if (Fails(Call::kOpenAt)) return -1;
    return real_.OpenAt(directory, name, flags, mode);
  }
  ssize_t ReadAt(int fd, void* buffer, std::size_t size, off_t offset) override {
    if (Fails(Call::kReadAt)) return shortResult_;
    return real_.ReadAt(fd, buffer, size, offset);
  }
  ssize_t WriteAt(int fd, const void* buffer, std::size_t size, off_t offset) override {
    if (Fails(Call::kWriteAt)) {
      // A short write writes what it says it wrote.
      if (shortResult_ > 0) real_.WriteAt(fd, buffer, static_cast<std::size_t>(shortResult_), offset);
      return shortResult_;
    }
    return real_.WriteAt(fd, buffer, size, offset);
  }
  int Status(int fd, struct stat* status) override {
    if (Fails(Call::kStatus)) return -1;
    return real_.Status(fd, status);
  }
  int Close(int fd) override {
    const int result = real_.Close(fd);  // the descriptor is gone either way, as with a real failing close
    if (Fails(Call::kClose)) return -1;
    return result;
  }
  int UnlinkAt(int directory, const char* name) override {
    unlinked.push_back(name);
    if (Fails(Call::kUnlinkAt)) return -1;
    return real_.UnlinkAt(directory, name);
  }
  int RemoveDirectory(const char* path) override {
    removedDirectories.push_back(path);
    return real_.RemoveDirectory(path);
  }

 private:
  bool Fails(Call call) {
    if (call != call_) return false;
    if (++calls_ != nth_) return false;
    errno = error_;
    return true;
  }

  FileSystem& real_ = RealFileSystem();
  Call call_ = Call::kMakeDirectory;
  int nth_ = 0;
  int calls_ = 0;
  int error_ = 0;
  ssize_t shortResult_ = -1;
  int openAts_ = 0;
  int actionAt_ = 0;
  std::function<void()> action_;
};

}  // namespace plant::testing
