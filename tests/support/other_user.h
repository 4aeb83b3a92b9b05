#pragma once
// A user other than root for the tests of file permissions: root may write any
// file, so a test run as root would never meet a refusal. While an AsAnotherUser
// lives, a process run as root acts as "nobody" (its effective ids and no
// supplementary groups; the real ids stay root's, so the test becomes root again
// afterwards); a process that is not root is such a user already.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <vector>

class AsAnotherUser {
 public:
  static constexpr uid_t kNobody = 65534;

  AsAnotherUser() {
    if (::geteuid() != 0) return;
    groups_.resize(size_t(std::max(0, ::getgroups(0, nullptr))));
    groups_.resize(size_t(std::max(0, ::getgroups(int(groups_.size()), groups_.data()))));
    switched_ = ::setgroups(0, nullptr) == 0 && ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    EXPECT_TRUE(switched_) << "cannot act as another user";
  }
  ~AsAnotherUser() {
    if (!switched_) return;
    EXPECT_EQ(::seteuid(0), 0);
    EXPECT_EQ(::setegid(0), 0);
    EXPECT_EQ(::setgroups(groups_.size(), groups_.data()), 0);
    // A change of ids makes the process undumpable; the leak checker needs it back.
    ::prctl(PR_SET_DUMPABLE, 1);
  }
  AsAnotherUser(const AsAnotherUser&) = delete;
  AsAnotherUser& operator=(const AsAnotherUser&) = delete;

  // The premise of a test of a refusal: this process cannot open the file for writing.
  static bool mayWrite(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_WRONLY);
    if (fd >= 0) ::close(fd);
    return fd >= 0;
  }

 private:
  std::vector<gid_t> groups_;
  bool switched_ = false;
};
