#include "platform/core/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "tests/support/other_user.h"
#include "tests/support/scratch_folder.h"

namespace fs = std::filesystem;
using platform::IniFile;

namespace {

IniFile fromText(const std::string& text) {
  IniFile ini;
  ini.loadFromText(text);
  return ini;
}

std::string readAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = testTempPath("tq_ini");
    fs::remove_all(dir);
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
};

}  // namespace

TEST(IniRead, LookupsFollowProfileRules) {
  IniFile ini = fromText(
      "[Options]\r\n"
      "Name = Mundo 1 \r\n"
      "lifes=7\r\n"
      "Lifes=9\r\n"
      "Expr=a=b,c\r\n"
      "Hex=0x1F\r\n"
      "Neg=-12\r\n"
      "Junk=12abc\r\n"
      "Quoted=\"hola\"\r\n"
      "Empty=\r\n"
      "; Comment=1\r\n"
      "[options]\r\n"
      "Later=1\r\n");
  struct Case { const char* key; const char* expected; } cases[] = {
      {"NAME", "Mundo 1"},  // keys ignore case, values are trimmed
      {"Lifes", "7"},       // the first of duplicate keys wins
      {"Expr", "a=b,c"},    // everything after the first '='
      {"Quoted", "hola"},   // one pair of quotes is dropped
      {"Empty", ""},
      {"Comment", "def"},   // comment lines hold no keys
      {"Later", "def"},     // only the first of duplicate sections is read
      {"Missing", "def"},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.readString("OPTIONS", c.key, "def"), c.expected) << c.key;
  EXPECT_EQ(ini.readString("NoSection", "Name", "x"), "x");
}

TEST(IniRead, IntegersAndBooleans) {
  IniFile ini = fromText("[S]\nDec=42\nHex=0x1F\nDollar=$10\nNeg=-12\nJunk=12abc\nEmpty=\nBig=99999999999\nAllOnes=0xFFFFFFFF\nZero=0\nTwo=2\n");
  struct Case { const char* key; int expected; } cases[] = {
      {"Dec", 42}, {"Hex", 31}, {"Dollar", 16}, {"Neg", -12}, {"Junk", -5},
      {"Empty", -5}, {"Big", -5}, {"AllOnes", -1}, {"Missing", -5},
  };
  for (const Case& c : cases) EXPECT_EQ(ini.readInteger("s", c.key, -5), c.expected) << c.key;
  EXPECT_FALSE(ini.readBool("S", "Zero", true));
  EXPECT_TRUE(ini.readBool("S", "Two", false));
  EXPECT_TRUE(ini.readBool("S", "Missing", true));
  EXPECT_FALSE(ini.readBool("S", "Junk", false));
}

TEST(IniRead, LfAndCrLfLinesReadAlike) {
  IniFile lf = fromText("[A]\nk=1\n[B]\nk=2");
  IniFile crlf = fromText("[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
  for (IniFile* ini : {&lf, &crlf}) {
    EXPECT_EQ(ini->readString("A", "k", ""), "1");
    EXPECT_EQ(ini->readString("B", "k", ""), "2");
  }
  EXPECT_EQ(lf.toText(), "[A]\r\nk=1\r\n[B]\r\nk=2\r\n");
}

TEST(IniWrite, ReplacesInPlaceAppendsToSectionAndAddsSectionsAtTheEnd) {
  IniFile ini = fromText("[A]\r\nx=1\r\ny=2\r\n\r\n[B]\r\nz=3\r\n");
  ini.writeString("a", "X", "10");     // in place, the key as now written
  ini.writeInteger("A", "w", 4);       // appended after the section's last key
  ini.writeBool("C", "flag", true);    // new section at the end
  ini.writeBool("C", "off", false);
  EXPECT_EQ(ini.toText(), "[A]\r\nX=10\r\ny=2\r\nw=4\r\n\r\n[B]\r\nz=3\r\n[C]\r\nflag=1\r\noff=0\r\n");
  EXPECT_TRUE(ini.modified());
}

TEST(IniWrite, DuplicateKeyWriteReplacesOnlyTheFirst) {
  IniFile ini = fromText("[A]\nk=1\nk=2\n");
  ini.writeString("A", "k", "9");
  EXPECT_EQ(ini.toText(), "[A]\r\nk=9\r\nk=2\r\n");
}

TEST(IniWrite, EraseSectionAndDeleteKey) {
  IniFile ini = fromText("[A]\nk=1\n[B]\nk=2\nj=3\n[C]\nk=4\n");
  ini.eraseSection("b");
  ini.deleteKey("C", "K");
  ini.eraseSection("Missing");
  EXPECT_EQ(ini.toText(), "[A]\r\nk=1\r\n[C]\r\n");
  EXPECT_FALSE(ini.sectionExists("B"));
  EXPECT_TRUE(ini.sectionExists("c"));
  EXPECT_FALSE(ini.valueExists("C", "k"));
}

TEST(IniEnumerate, SectionsKeysAndValuesInFileOrder) {
  IniFile ini = fromText("[Options]\nb=2\na=1\n[Sprites]\n65536=4,1\n3=0\n65536=5\nnoequals\n");
  EXPECT_EQ(ini.readSections(), (std::vector<std::string>{"Options", "Sprites"}));
  EXPECT_EQ(ini.readSection("sprites"), (std::vector<std::string>{"65536", "3", "65536"}));
  EXPECT_EQ(ini.readSectionValues("Options"), (std::vector<std::string>{"b=2", "a=1"}));
  EXPECT_TRUE(ini.readSection("None").empty());
}

// Edits that the key and section indexes must follow: after each case the text
// and the reads are what the line-by-line profile rules give.
TEST(IniWrite, EditsKeepLookupsInStepWithTheLines) {
  struct Op {
    char what;  // 'w' write, 'd' delete key, 'e' erase section
    const char *section, *key, *value;
  };
  struct Read {
    const char *section, *key, *expected;
  };
  struct Case {
    const char* name;
    const char* text;
    std::vector<Op> ops;
    const char* expectedText;
    std::vector<Read> reads;
  } cases[] = {
      {"duplicate keys that differ in case", "[A]\nKey=1\nkey=2\n", {{'w', "A", "kEy", "9"}},
       "[A]\r\nkEy=9\r\nkey=2\r\n", {{"a", "KEY", "9"}}},
      {"deleting the first of duplicates uncovers the next", "[A]\nk=1\nK=2\nj=3\n",
       {{'d', "A", "k", ""}, {'w', "A", "j", "4"}}, "[A]\r\nK=2\r\nj=4\r\n", {{"A", "k", "2"}, {"A", "j", "4"}}},
      {"deleting the only line of a key", "[A]\nk=1\nj=2\n", {{'d', "A", "K", ""}, {'w', "A", "k", "5"}},
       "[A]\r\nj=2\r\nk=5\r\n", {{"A", "k", "5"}, {"A", "j", "2"}}},
      {"erase then rewrite", "[A]\nk=1\n\n[B]\nk=2\n", {{'e', "a", "", ""}, {'w', "A", "k", "3"}},
       "[B]\r\nk=2\r\n[A]\r\nk=3\r\n", {{"A", "k", "3"}, {"B", "k", "2"}}},
      {"a key written twice", "[A]\nx=1\n\n[B]\n",
       {{'w', "A", "k", "1"}, {'w', "A", "K", "2"}, {'w', "C", "n", "1"}, {'w', "c", "N", "2"}},
       "[A]\r\nx=1\r\nK=2\r\n\r\n[B]\r\n[C]\r\nN=2\r\n", {{"A", "k", "2"}, {"C", "n", "2"}}},
      {"a section that appears twice", "[A]\nk=1\n[B]\nb=1\n[a]\nk=2\nj=5\n", {{'w', "A", "j", "7"}},
       "[A]\r\nk=1\r\nj=7\r\n[B]\r\nb=1\r\n[a]\r\nk=2\r\nj=5\r\n", {{"A", "k", "1"}, {"A", "j", "7"}}},
      {"erasing the first of two sections uncovers the second", "[A]\nk=1\n[B]\nb=1\n[a]\nk=2\nj=5\n",
       {{'e', "A", "", ""}, {'w', "A", "k", "8"}, {'d', "A", "j", ""}}, "[B]\r\nb=1\r\n[a]\r\nk=8\r\n",
       {{"A", "k", "8"}, {"A", "j", "def"}, {"B", "b", "1"}}},
      {"a key that reads as a header starts a section", "[A]\nk=1\n\n[B]\nb=1\n",
       {{'w', "A", "[C", "x"}, {'w', "A", "j", "2"}, {'w', "C=x", "k", "3"}},
       "[A]\r\nk=1\r\nj=2\r\n[C=x\r\nk=3\r\n\r\n[B]\r\nb=1\r\n", {{"A", "k", "1"}, {"B", "b", "1"}, {"c=X", "k", "3"}}},
  };
  for (const Case& c : cases) {
    IniFile ini = fromText(c.text);
    for (const Op& op : c.ops) {
      if (op.what == 'w') ini.writeString(op.section, op.key, op.value);
      if (op.what == 'd') ini.deleteKey(op.section, op.key);
      if (op.what == 'e') ini.eraseSection(op.section);
    }
    EXPECT_EQ(ini.toText(), c.expectedText) << c.name;
    for (const Read& r : c.reads) EXPECT_EQ(ini.readString(r.section, r.key, "def"), r.expected) << c.name << ": " << r.key;
  }
}

// Random edits of a file with duplicate keys and sections: every lookup agrees
// with a fresh reading of the edited text.
TEST(IniWrite, RandomEditsReadLikeTheEditedText) {
  const char* sections[] = {"A", "a", "B", "C"};
  const char* keys[] = {"k", "K", "j", "J", "x", "1", "2"};
  IniFile ini = fromText("; top\n[A]\nk=0\nK=1\n\n[B]\nj=2\n[a]\nk=3\nx=4\n\n");
  std::mt19937 random(7);
  auto pick = [&random](auto& names) { return names[random() % std::size(names)]; };
  for (int step = 0; step < 400; ++step) {
    const unsigned what = random() % 10;
    if (what < 7)
      ini.writeString(pick(sections), pick(keys), std::to_string(step));
    else if (what < 9)
      ini.deleteKey(pick(sections), pick(keys));
    else
      ini.eraseSection(pick(sections));
    const IniFile fresh = fromText(ini.toText());
    for (const char* section : sections) {
      ASSERT_EQ(ini.readSectionEntries(section), fresh.readSectionEntries(section)) << "step " << step;
      for (const char* key : keys)
        ASSERT_EQ(ini.readString(section, key, "-"), fresh.readString(section, key, "-"))
            << "step " << step << " [" << section << "] " << key;
    }
  }
}

TEST(IniEnumerate, SectionEntriesReadEachKeyAsReadStringDoes) {
  IniFile ini = fromText("[S]\nA=\"q\"\nb = 3 \na=2\n; c=4\n[T]\nA=5\n");
  using Entries = std::vector<std::pair<std::string, std::string>>;
  EXPECT_EQ(ini.readSectionEntries("s"), (Entries{{"A", "q"}, {"b", "3"}, {"a", "q"}}));
  EXPECT_TRUE(ini.readSectionEntries("None").empty());
}

TEST(IniRead, LongValuesAreKeptWhole) {
  std::string value(5000, 'x');
  IniFile ini = fromText("[S]\nk=" + value + "\n");
  EXPECT_EQ(ini.readString("S", "k", ""), value);
}

TEST_F(TempDir, MissingFileReadsDefaultsAndSavesOnWrite) {
  IniFile ini(dir / "new.ini");
  EXPECT_EQ(ini.readInteger("S", "k", 3), 3);
  ini.writeString("S", "k", "5");
  ini.save();
  EXPECT_EQ(readAll(dir / "new.ini"), "[S]\r\nk=5\r\n");
  EXPECT_EQ(IniFile(dir / "new.ini").readInteger("S", "k", 0), 5);
}

TEST_F(TempDir, Windows1252BytesRoundTrip) {
  std::string value = "Ca\xF1\xF3n \x80 \xBF";  // ñ ó € ¿ as single bytes
  {
    IniFile ini(dir / "t.ini");
    ini.writeString("Texto", "Msg", value);
    ini.save();
  }
  EXPECT_EQ(IniFile(dir / "t.ini").readString("Texto", "Msg", ""), value);
  EXPECT_NE(readAll(dir / "t.ini").find(value), std::string::npos);
}

// A file-size limit makes the write fail like a full disk, also for root.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previousHandler_);
  }

 private:
  rlimit saved_{};
  void (*previousHandler_)(int) = nullptr;
};

TEST_F(TempDir, FailedSaveLeavesTheOldFile) {
  fs::path file = dir / "keep.ini";
  {
    IniFile ini(file);
    ini.writeString("S", "k", "old");
    ini.save();
  }
  IniFile ini(file);
  ini.writeString("S", "k", std::string(4096, 'n'));
  {
    FileSizeLimit limit(64);
    EXPECT_THROW(ini.save(), platform::IniWriteError);
  }
  EXPECT_EQ(readAll(file), "[S]\r\nk=old\r\n");
  int entries = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);  // no temporary left behind
}

TEST_F(TempDir, SaveIntoAMissingFolderFailsWithTheFileName) {
  IniFile ini(dir / "no" / "such" / "x.ini");
  ini.writeString("S", "k", "1");
  try {
    ini.save();
    FAIL() << "save succeeded";
  } catch (const platform::IniWriteError& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to write to " + (dir / "no" / "such" / "x.ini").string());
  }
}

TEST_F(TempDir, SaveReplacesAFileAtomically) {
  fs::path file = dir / "a.ini";
  platform::writeFileAtomically(file, "first");
  platform::writeFileAtomically(file, "second");
  EXPECT_EQ(readAll(file), "second");
  int entries = 0;
  for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++entries;
  EXPECT_EQ(entries, 1);
}

// A save replaces the file's bytes, not what the file system holds of it: its
// mode stays, and a file reached through links is the linked one, the links
// staying links.
TEST_F(TempDir, AWriteKeepsTheFilesModeAndItsLinks) {
  const fs::path file = dir / "level.tql";
  struct Case {
    const char* name;
    fs::perms mode;
    std::vector<std::pair<std::string, std::string>> links;  // link, target as the link holds it
    std::string written;
  };
  const Case cases[] = {
      {"a 0640 file", fs::perms(0640), {}, "level.tql"},
      {"a 0600 file", fs::perms(0600), {}, "level.tql"},
      {"a link", fs::perms(0644), {{"link.tql", "level.tql"}}, "link.tql"},
      {"a link to a link in another folder", fs::perms(0664),
       {{"other/first.tql", file.string()}, {"second.tql", "other/first.tql"}}, "second.tql"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(dir);
    fs::create_directories(dir / "other");
    std::ofstream(file, std::ios::binary) << "old";
    fs::permissions(file, c.mode);
    for (const auto& [link, target] : c.links) fs::create_symlink(target, dir / link);

    platform::writeFileAtomically(dir / c.written, "new");
    EXPECT_EQ(readAll(file), "new");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(file)));
    EXPECT_EQ(fs::status(file).permissions(), c.mode);
    for (const auto& [link, target] : c.links) {
      EXPECT_TRUE(fs::is_symlink(dir / link)) << link;
      EXPECT_EQ(fs::read_symlink(dir / link), target);
    }
    for (const auto& entry : fs::recursive_directory_iterator(dir))
      EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
  }
}

// A file this user may not write is not replaced: the folder allows a new
// file, and a rename would put a writable copy in its place.
TEST_F(TempDir, AFileThisUserMayNotWriteIsRefusedAndStays) {
  const fs::path file = dir / "level.tql";
  std::ofstream(file, std::ios::binary) << "old";
  fs::permissions(file, fs::perms(0644));
  fs::permissions(dir, fs::perms::all);  // anyone may make files here
  fs::create_symlink("level.tql", dir / "link.tql");
  {
    AsAnotherUser other;
    ASSERT_FALSE(AsAnotherUser::mayWrite(file)) << "the premise: this user may not write the file";
    platform::writeFileAtomically(dir / "probe", "the folder takes new files");
    for (const fs::path& written : {file, dir / "link.tql"}) {
      SCOPED_TRACE(written);
      try {
        platform::writeFileAtomically(written, "new");
        ADD_FAILURE() << "the write was not refused";
      } catch (const platform::IniWriteError& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + written.string());
      }
      IniFile settings(written);
      settings.writeString("S", "k", "v");
      EXPECT_THROW(settings.save(), platform::IniWriteError);
    }
  }
  EXPECT_EQ(readAll(file), "old");
  EXPECT_EQ(fs::status(file).permissions(), fs::perms(0644));
  EXPECT_TRUE(fs::is_symlink(dir / "link.tql"));
}
