#pragma once

#include <dirent.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace plant::testing {

// A directory of the test's own, removed with whatever is left in it.
class TemporaryDirectory {
 public:
  TemporaryDirectory() {
    std::string pattern = "/tmp/plant-test-XXXXXX";
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TemporaryDirectory() {
    for (const std::string& name : Entries()) std::remove((path_ + "/" + name).c_str());
    rmdir(path_.c_str());
  }
  TemporaryDirectory(const TemporaryDirectory&) = delete;
  TemporaryDirectory& operator=(const TemporaryDirectory&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

  std::vector<std::string> Entries() const { return ListDirectory(path_); }

  static std::vector<std::string> ListDirectory(const std::string& path) {
    std::vector<std::string> names;
    if (DIR* directory = opendir(path.c_str())) {
      while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..") names.push_back(name);
      }
      closedir(directory);
    }
    return names;
  }

  std::vector<unsigned char> Read(const std::string& name) const {
    std::ifstream in(File(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  std::string path_;
};

}  // namespace plant::testing
