// The real shell's decisions: which requests reach the desktop's handlers, and as which URLs.
#include <gtest/gtest.h>

#include <QUrl>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/core/paths.h"
#include "platform/qt/shell/desktop_shell.h"

namespace fs = std::filesystem;

namespace {

class DesktopShellRequests : public ::testing::Test {
 protected:
  std::vector<QUrl> opened;
  bool answer = true;
  platform::DesktopShell shell{[this](const QUrl& url) {
    opened.push_back(url);
    return answer;
  }};
};

TEST_F(DesktopShellRequests, MailAddressesOpenInTheMailProgramAndNothingElseDoes) {
  EXPECT_TRUE(shell.openMailAddress("mailto:autor@example.org?subject=Comentarios"));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].scheme(), "mailto");
  EXPECT_EQ(opened[0].path(), "autor@example.org");
  EXPECT_EQ(opened[0].query(), "subject=Comentarios");
  EXPECT_TRUE(shell.openMailAddress("MAILTO:autor@example.org"));

  answer = false;  // no mail program took it
  EXPECT_FALSE(shell.openMailAddress("mailto:autor@example.org"));
  EXPECT_EQ(opened.size(), 3u);

  answer = true;
  opened.clear();
  for (const char* refused : {"", "mailto:", "http://example.org/", "file:///etc/passwd", "javascript:alert(1)",
                              "mailto:a b@example.org", "mailto:a@example.org\r\nBcc: x@example.org",
                              "xmailto:a@example.org"})
    EXPECT_FALSE(shell.openMailAddress(refused)) << refused;
  EXPECT_TRUE(opened.empty());
}

TEST_F(DesktopShellRequests, WebPagesAndDocumentsRefuseMailAddresses) {
  EXPECT_FALSE(shell.openWebPage("mailto:autor@example.org"));
  EXPECT_FALSE(shell.openDocument("mailto:autor@example.org"));
  EXPECT_FALSE(shell.openWebPage("file:///etc/passwd"));
  EXPECT_TRUE(opened.empty());

  EXPECT_TRUE(shell.openWebPage("https://example.org/hopz"));
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0].toString(), "https://example.org/hopz");
}

// A stored name (Windows-1252) is found in the program folder, whose own name
// is the disk's, in any letters.
TEST_F(DesktopShellRequests, DocumentsAreFilesOfTheProgramFolder) {
  const fs::path root = fs::temp_directory_path() / ("desktop_shell_" + std::to_string(::getpid()));
  const std::string saved = platform::programFolder();
  struct Case {
    fs::path folder;
    const char* stored;
    const char* onDisk;
  } cases[] = {{root / "plain", "Update.txt", "Update.txt"},
               {root / "A\u00f1o Jos\u00e9" / "\u0414\u043e\u043c", "L\xE9" "ame.txt", "L\u00e9ame.txt"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder.string());
    opened.clear();
    fs::create_directories(c.folder);
    std::ofstream(c.folder / c.onDisk) << "x";
    platform::setProgramFolder(c.folder.string() + "/");
    EXPECT_TRUE(shell.openDocument(c.stored));
    EXPECT_FALSE(shell.openDocument("Missing.txt"));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(opened[0].isLocalFile());
    EXPECT_EQ(fs::path(opened[0].toLocalFile().toStdString()), c.folder / c.onDisk);
  }
  platform::setProgramFolder(saved);
  fs::remove_all(root);
}

}  // namespace
