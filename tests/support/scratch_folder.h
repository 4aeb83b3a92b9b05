#pragma once
// A fresh folder for one test, removed with everything in it afterwards, and
// whole-file helpers for the fixture files written into it.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

// A path in the temporary folder that no other test, and no other run of this
// one, uses at the same time: ctest runs every test as its own process, in
// parallel with the others. A parameterised test's name ("Case/3") stays one
// folder name.
inline std::filesystem::path testTempPath(const std::string& name) {
  std::string test = testing::UnitTest::GetInstance()->current_test_info()->name();
  for (char& c : test)
    if (c == '/') c = '_';
  return std::filesystem::temp_directory_path() / (name + "_" + std::to_string(getpid()) + "_" + test);
}

class ScratchFolder {
 public:
  explicit ScratchFolder(const std::string& prefix) : path_(testTempPath(prefix)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }
  // Writes the file and returns its full path.
  std::string put(const std::string& name, const std::string& bytes) const {
    std::filesystem::path p = path_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p.string();
  }
  static std::string read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
  }

 private:
  std::filesystem::path path_;
};
