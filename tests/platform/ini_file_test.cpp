#include "platform/core/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

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
