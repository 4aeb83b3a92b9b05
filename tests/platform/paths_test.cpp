#include "platform/core/paths.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;
using namespace platform;

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = testTempPath("tq_paths");
    fs::remove_all(root);
    fs::create_directories(root / "Sprites" / "Sub Dir");
    std::ofstream(root / "Sprites" / "Game.IML") << "x";
    std::ofstream(root / "Sprites" / "Sub Dir" / "level 1.tql") << "x";
    std::ofstream(root / "hopz.tqg") << "x";
    fs::create_directories(root / "Monta\xC3\xB1" "as");  // UTF-8 on disk
    std::ofstream(root / "Monta\xC3\xB1" "as" / "ca\xC3\xB1\xC3\xB3n.tql") << "x";
  }
  void TearDown() override { fs::remove_all(root); }
  fs::path root;
};

TEST_F(PathsTest, ResolvesStoredPathsCaseInsensitively) {
  struct Case { std::string stored; fs::path expected; } cases[] = {
      {"sprites\\game.iml", root / "Sprites" / "Game.IML"},
      {"SPRITES/GAME.iml", root / "Sprites" / "Game.IML"},
      {"Sprites\\sub dir\\LEVEL 1.TQL", root / "Sprites" / "Sub Dir" / "level 1.tql"},
      {".\\sprites\\..\\HOPZ.TQG", root / "hopz.tqg"},
      {"sprites\\missing\\x.iml", root / "Sprites" / "missing" / "x.iml"},  // unmatched tail as written
      // Names of the files are Windows-1252; the disk's names UTF-8.
      {"monta\xF1" "as\\CA\xF1\xF3N.tql", root / "Monta\xC3\xB1" "as" / "ca\xC3\xB1\xC3\xB3n.tql"},
      {"Monta\xC3\xB1" "as\\ca\xC3\xB1\xC3\xB3n.tql", root / "Monta\xC3\xB1" "as" / "ca\xC3\xB1\xC3\xB3n.tql"},
      {"monta\xF1" "as\\nuevo \xE9.tql", root / "Monta\xC3\xB1" "as" / "nuevo \xC3\xA9.tql"},  // a new file in UTF-8
  };
  for (const Case& c : cases) EXPECT_EQ(resolvePath(c.stored, root), c.expected) << c.stored;
  std::string absolute = (root / "SPRITES" / "game.iml").string();
  EXPECT_EQ(resolvePath(absolute), root / "Sprites" / "Game.IML");
  EXPECT_EQ(resolvePath(toStoredPath(absolute)), root / "Sprites" / "Game.IML");
  // ".." leaves a folder given with its trailing '/', as the program folder is,
  // and goes on up from a relative start.
  const std::string up = "..\\" + root.filename().string() + "\\HOPZ.TQG";
  EXPECT_EQ(resolvePath(up, root.string() + "/"), root / "hopz.tqg");
  EXPECT_EQ(writePath(up, root.string() + "/"), root / "HOPZ.TQG");
  EXPECT_EQ(writePath("..\\..\\x.tql"), fs::path("../../x.tql"));
}

// A write goes to the name as written: the case-insensitive match is for the
// names files store, and would put a new file over one that only looks like it.
TEST_F(PathsTest, WritePathsKeepTheNameAsWritten) {
  struct Case { std::string stored; fs::path expected; } cases[] = {
      {"Sprites\\Game.IML", root / "Sprites" / "Game.IML"},
      {"sprites\\game.iml", root / "sprites" / "game.iml"},
      {"Sprites/Sub Dir/Level 1.tql", root / "Sprites" / "Sub Dir" / "Level 1.tql"},
      {".\\Sprites\\..\\HOPZ.TQG", root / "HOPZ.TQG"},
      {"Monta\xF1" "as\\nuevo \xE9.tql", root / "Monta\xC3\xB1" "as" / "nuevo \xC3\xA9.tql"},
  };
  for (const Case& c : cases) EXPECT_EQ(writePath(c.stored, root), c.expected) << c.stored;
  EXPECT_EQ(writePath((root / "HOPZ.tqg").string()), root / "HOPZ.tqg");
}

TEST_F(PathsTest, FileExistsIsFalseForFoldersAndMissingFiles) {
  EXPECT_TRUE(fileExists("sprites\\game.iml", root));
  EXPECT_FALSE(fileExists("sprites", root));
  EXPECT_TRUE(directoryExists("SPRITES", root));
  EXPECT_FALSE(fileExists("sprites\\none.iml", root));
  EXPECT_FALSE(fileExists("", root));
}

TEST(PathStrings, SplitInTheWindowsManner) {
  struct Case { const char* path; const char* name; const char* folder; const char* ext; } cases[] = {
      {"C:\\Juegos\\Hopz\\mundo 1.tqw", "mundo 1.tqw", "C:\\Juegos\\Hopz\\", ".tqw"},
      {"/a/b.c/file", "file", "/a/b.c/", ""},
      {"levels\\a.TQL", "a.TQL", "levels\\", ".TQL"},
      {"plain", "plain", "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(extractFileName(c.path), c.name);
    EXPECT_EQ(extractFilePath(c.path), c.folder);
    EXPECT_EQ(extractFileExt(c.path), c.ext);
  }
  EXPECT_EQ(changeFileExt("a\\b.tql", ".tqs"), "a\\b.tqs");
  EXPECT_EQ(changeFileExt("a.b\\c", ".x"), "a.b\\c.x");
  EXPECT_TRUE(sameText("Options", "OPTIONS"));
  EXPECT_FALSE(sameText("Option", "Options"));
}

// A chosen file's link as a file stores it: Windows-1252 text relative to the
// program folder, whatever the disk's names are; none where that text cannot
// hold the name.
TEST(StoredLink, IsWindows1252TextRelativeToTheFolderOrAFailure) {
  struct Case {
    const char* file;
    const char* base;
    std::optional<std::string> link;
  } cases[] = {
      {"/g/Hopz/sprites/a.iml", "/g/hopz/", "sprites\\a.iml"},
      {"/g/Hopz/sprites/a.iml", "/g/Hopz", "sprites\\a.iml"},
      {"/other/a.iml", "/g/hopz", "/other/a.iml"},
      // The folder's own name is not stored; its letters may be any.
      {"/g/\u0414\u043e\u043c/Hopz/bg/a.bmp", "/g/\u0414\u043e\u043c/Hopz/", "bg\\a.bmp"},
      {"/g/A\u00f1o Jos\u00e9/Hopz/bg/ni\u00f1o.bmp", "/g/A\u00f1o Jos\u00e9/Hopz/", "bg\\ni\xF1o.bmp"},
      {"/g/Hopz/bg/\u20ac.bmp", "/g/Hopz/", "bg\\\x80.bmp"},
      {"/g/Hopz/bg/\u0434\u043e\u043c.bmp", "/g/Hopz/", std::nullopt},
      {"/\u0434\u043e\u043c/a.bmp", "/g/Hopz/", std::nullopt},
      // A name taken from a file (a selector's start) is that text already.
      {"/g/\u0414/Hopz/bg/ni\xF1o.bmp", "/g/\u0414/Hopz/", "bg\\ni\xF1o.bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.link) {
      EXPECT_EQ(storedLink(c.file, c.base), *c.link);
      continue;
    }
    try {
      storedLink(c.file, c.base);
      ADD_FAILURE() << "stored a link that the file cannot hold";
    } catch (const EUnstorableLink& e) {
      EXPECT_EQ(e.File, fs::path(c.file));
      EXPECT_NE(UnstorableLinkText(e).find("No se puede guardar el v\xEDnculo"), std::string::npos);
    }
  }
}

// A link stored for a file chosen in a folder whose name Windows-1252 can hold
// leads back to that file.
TEST(StoredLink, LeadsBackToTheChosenFile) {
  const ScratchFolder scratch("tq_link_\u00c1rbol");
  fs::create_directories(scratch.path() / "bg");
  const fs::path file = scratch.put("bg/Ni\u00f1o.bmp", "x");
  const std::string link = storedLink(file, scratch.path());
  EXPECT_EQ(link, "bg\\Ni\xF1o.bmp");
  EXPECT_EQ(resolvePath(link, scratch.path()), file);
}

TEST(ProgramFolder, IsTheExecutablesFolderUnlessOverridden) {
  std::string folder = programFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '/');
  EXPECT_TRUE(fs::exists(fs::path(folder)));
  setProgramFolder("/tmp/elsewhere");
  EXPECT_EQ(programFolder(), "/tmp/elsewhere/");
  setProgramFolder("");
  EXPECT_EQ(programFolder(), folder);
}
