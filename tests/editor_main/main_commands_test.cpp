// The main window's commands driven through a recording host.
#include "editor/frmMain/main_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

#include "editor/Docs/document_io.h"
#include "editor/frmMain/file_types.h"
#include "platform/core/ini_file.h"
#include "platform/core/paths.h"
#include "platform/core/shell.h"
#include "tests/editor_main/fake_host.h"
#include "tests/support/other_user.h"

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFile(const fs::path& p, const std::string& text) {
  std::ofstream out(p, std::ios::binary);
  out << text;
}

class MainCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("editor_main_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    platform::setShell(&shell);
    commands = std::make_unique<TMainCommands>(host, dir.string() + "/");
    commands->Start();
  }
  void TearDown() override {
    platform::setShell(nullptr);
    fs::remove_all(dir);
  }
  std::string path(const std::string& name) { return (dir / name).string(); }

  fs::path dir;
  FakeHost host;
  platform::RecordingShell shell;
  std::unique_ptr<TMainCommands> commands;
};

const char* kLevelText = "[Options]\r\nName=Uno\r\nWidth=40\r\n[Sprites]\r\n0=0,1,\r\n131075=40,1,\r\n";
const char* kWorldText = "[Options]\r\nName=Mundo\r\n[Sprites]\r\n65537=3,1,\r\n";
const char* kGameText = "[Options]\r\nLifes=5\r\nMapFile=mapa.tqw\r\n";

// Names from older systems are often upper-case: the extension names the kind
// in any letter case, for opening and for saving under the same name.
TEST_F(MainCommands, OpenLoadsByTheExtensionInAnyLetterCase) {
  struct Case {
    const char* file;
    const char* text;
    std::optional<TDocKind> loaded;  // nothing: the window stays empty
    const char* view;
  };
  const Case cases[] = {
      {"nivel.tql", kLevelText, DocLevel, "levelView"},
      {"mundo.tqw", kWorldText, DocWorldMap, "worldView"},
      {"juego.tqg", kGameText, DocGame, "game"},
      {"NIVEL.TQL", kLevelText, DocLevel, "levelView"},
      {"Mundo.TqW", kWorldText, DocWorldMap, "worldView"},
      {"JUEGO.TQG", kGameText, DocGame, "game"},
      {"otro.txt", kLevelText, std::nullopt, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    FakeHost h;
    TMainCommands cmd(h, dir.string() + "/");
    writeFile(dir / c.file, c.text);
    h.openNames.push_back(path(c.file));
    h.status[1] = "0 objetos";  // as the bar starts
    cmd.Open();
    ASSERT_EQ(h.windows.size(), 1u);
    EXPECT_EQ(h.openTitles.at(0), "Abrir archivo");
    FakeWindow& w = h.window(0);
    EXPECT_EQ(w.state, dwsMaximized);
    EXPECT_EQ(w.doc.FileName, path(c.file));
    if (!c.loaded) {
      EXPECT_TRUE(w.doc.Objects.empty());
      EXPECT_TRUE(h.enabled.empty());
      continue;
    }
    EXPECT_EQ(w.doc.DocKind, *c.loaded);
    EXPECT_NE(std::find(w.calls.begin(), w.calls.end(), c.view), w.calls.end());
    EXPECT_EQ(h.enabled, std::vector<bool>{true});
    if (*c.loaded == DocGame) {
      EXPECT_EQ(w.doc.Text, kGameText);
      EXPECT_EQ(h.paletteVisible, std::vector<bool>{false});
      // A game has no objects to count.
      EXPECT_EQ(h.status[1], "");
      EXPECT_EQ(h.status[0], "Listo");
    } else {
      EXPECT_EQ(h.pages, std::vector<TDocKind>{*c.loaded});
      EXPECT_NE(std::find(w.calls.begin(), w.calls.end(), "render"), w.calls.end());
      EXPECT_EQ(w.calls.back(), "status");  // the count of the objects just read
      EXPECT_FALSE(w.doc.Objects.empty());
    }
    w.doc.Modified = true;
    EXPECT_TRUE(cmd.Save());
    EXPECT_TRUE(h.messages.empty()) << h.messages.at(0);
    EXPECT_FALSE(w.doc.Modified);
    EXPECT_EQ(w.doc.FileName, path(c.file));
  }
  FakeHost h;
  TMainCommands cmd(h, dir.string() + "/");
  cmd.Open();  // cancelled
  EXPECT_TRUE(h.windows.empty());
}

TEST_F(MainCommands, PasswordIsAskedBeforeTheDocumentLoads) {
  writeFile(dir / "secreto.tql", "[Options]\r\nName=S\r\nPassword=abc\r\n[Sprites]\r\n0=0,1,\r\n");
  host.passwordOk = false;
  commands->OpenFile(path("secreto.tql"));
  EXPECT_EQ(host.askedPasswords, std::vector<std::string>{"abc"});
  ASSERT_EQ(host.windows.size(), 1u);
  EXPECT_TRUE(host.window(0).doc.FileName.empty());
  EXPECT_TRUE(host.window(0).doc.Objects.empty());
  EXPECT_TRUE(host.enabled.size() == 1 && !host.enabled[0]);  // only the start's

  host.passwordOk = true;
  commands->OpenFile(path("secreto.tql"));
  EXPECT_EQ(host.window(1).doc.Objects, std::vector<std::string>{"0=0,1,"});
  EXPECT_EQ(host.window(1).doc.Password, "abc");
  EXPECT_EQ(host.enabled.back(), true);
}

// A document file that is there but cannot be read is not taken for an empty
// one: opening it is refused, and so is a save over it, which would replace it;
// the file stays as it was and the author reads why in Spanish.
TEST_F(MainCommands, AFileThatCannotBeReadIsRefusedAndStaysUntouched) {
  std::vector<std::string> unreadable = {path("carpeta.tql")};
  fs::create_directories(unreadable[0]);
  const bool permissionsHold = ::geteuid() != 0;  // root reads any file
  if (permissionsHold) {
    unreadable.push_back(path("cerrado.tql"));
    writeFile(unreadable[1], kLevelText);
    fs::permissions(unreadable[1], fs::perms::none);
  }
  for (const std::string& file : unreadable) {
    SCOPED_TRACE(file);
    host.messages.clear();
    commands->OpenFile(file);
    EXPECT_TRUE(host.windows.empty());
    EXPECT_EQ(host.messages, std::vector<std::string>{"Error: No se pudo abrir \"" + file +
                                                      "\": el archivo existe pero no se puede leer."});
  }

  writeFile(dir / "nivel.tql", kLevelText);
  commands->OpenFile(path("nivel.tql"));
  ASSERT_EQ(host.windows.size(), 1u);
  FakeWindow& w = host.window(0);
  for (const std::string& file : unreadable) {
    SCOPED_TRACE(file);
    host.messages.clear();
    host.saveNames.push_back(file);
    w.doc.Modified = true;
    EXPECT_FALSE(commands->SaveAs());
    EXPECT_EQ(w.doc.FileName, path("nivel.tql"));
    EXPECT_TRUE(w.doc.Modified);
    EXPECT_EQ(host.messages, std::vector<std::string>{"Error: No se pudo guardar \"" + file +
                                                      "\": el archivo existe pero no se puede leer, y guardar "
                                                      "borrar\xED" "a lo que contiene."});
  }
  EXPECT_TRUE(fs::is_directory(unreadable[0]));
  if (permissionsHold) {
    fs::permissions(unreadable[1], fs::perms::owner_all);
    EXPECT_EQ(readFile(unreadable[1]), kLevelText);
  }
}

// A level's [Options] may hold keys the game reads and the editor does not
// offer (Name, ShortName, ShowInfo): a save keeps them, after the editor's own,
// and a second line of one after its first, which the game reads.
TEST_F(MainCommands, SavingALevelKeepsTheOptionsTheEditorDoesNotWrite) {
  writeFile(dir / "nivel.tql", "[Options]\r\nName=Castillo\r\nTime=200\r\nShowInfo=0\r\nname=otro\r\n"
                               "ShortName=1-4\r\n[Sprites]\r\n0=0,1,\r\n");
  commands->OpenFile(path("nivel.tql"));
  ASSERT_EQ(host.windows.size(), 1u);
  FakeWindow& w = host.window(0);
  w.doc.Time = 250;
  w.doc.Modified = true;
  ASSERT_TRUE(commands->Save());
  const std::string saved = readFile(dir / "nivel.tql");
  EXPECT_NE(saved.find("Time=250\r\n"), std::string::npos) << saved;
  EXPECT_NE(saved.find("SoundLib=\r\nName=Castillo\r\nShowInfo=0\r\nname=otro\r\nShortName=1-4\r\n[Sprites]\r\n"),
            std::string::npos)
      << saved;
  EXPECT_EQ(platform::IniFile(dir / "nivel.tql").readString("Options", "Name", ""), "Castillo");
  // They belong to the document: a copy saved under another name has them too.
  host.saveNames.push_back(path("copia.tql"));
  ASSERT_TRUE(commands->SaveAs());
  const std::string copy = readFile(dir / "copia.tql");
  EXPECT_NE(copy.find("SoundLib=\r\nName=Castillo\r\nShowInfo=0\r\nname=otro\r\nShortName=1-4\r\n"), std::string::npos);
}

// One file, one window: opening a file that a window holds brings that window
// to the front, and no other window saves under its name, since each would
// later write its own copy over the other's changes.
TEST_F(MainCommands, AFileHeldByAWindowIsNeitherOpenedTwiceNorSavedOverByAnother) {
  writeFile(dir / "nivel.tql", kLevelText);
  commands->OpenFile(path("nivel.tql"));
  host.newDocument = NewLevelDocument({});
  commands->NewLevel();
  ASSERT_EQ(host.windows.size(), 2u);
  commands->OpenFile(path("nivel.tql"));
  EXPECT_EQ(host.windows.size(), 2u);
  EXPECT_EQ(commands->Active(), &host.window(0));
  EXPECT_EQ(host.activated, std::vector<TDocumentWindowSeam*>{&host.window(0)});

  FakeWindow& fresh = host.window(1);
  host.saveNames.push_back(path("nivel.tql"));
  EXPECT_FALSE(commands->Save(fresh));
  EXPECT_TRUE(fresh.doc.FileName.empty());
  EXPECT_TRUE(fresh.doc.Modified);
  EXPECT_EQ(readFile(dir / "nivel.tql"), kLevelText);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error: No se pudo guardar \"" + path("nivel.tql") +
                                                    "\": el archivo est\xE1 abierto en la ventana \"" +
                                                    path("nivel.tql") + "\". Ci\xE9rrela antes de guardar con ese nombre."});
  // Removed from the disk meanwhile, the file is still the one that window saves.
  fs::rename(dir / "nivel.tql", dir / "aparte.tql");
  host.messages.clear();
  host.saveNames.push_back(path("nivel.tql"));
  EXPECT_FALSE(commands->Save(fresh));
  EXPECT_FALSE(fs::exists(dir / "nivel.tql"));
  EXPECT_EQ(host.messages.size(), 1u);
  fs::rename(dir / "aparte.tql", dir / "nivel.tql");
  // The window that holds the file saves it, under its name or another.
  host.window(0).doc.Modified = true;
  EXPECT_TRUE(commands->Save(host.window(0)));
  host.saveNames.push_back(path("otro.tql"));
  EXPECT_TRUE(commands->Save(fresh));
}

// "Guardar todos" writes the documents with changes; a file whose document has
// none keeps what another program (a text editor) wrote into it meanwhile.
TEST_F(MainCommands, SaveAllWritesOnlyTheChangedDocuments) {
  writeFile(dir / "uno.tql", kLevelText);
  writeFile(dir / "dos.tql", kLevelText);
  commands->OpenFile(path("uno.tql"));
  commands->OpenFile(path("dos.tql"));
  ASSERT_EQ(host.windows.size(), 2u);
  const std::string edited = std::string(kLevelText) + "65540=49,1,\r\n";
  writeFile(dir / "uno.tql", edited);
  host.window(1).doc.Time = 100;
  host.window(1).doc.Modified = true;
  commands->SaveAll();
  EXPECT_EQ(readFile(dir / "uno.tql"), edited);
  EXPECT_NE(readFile(dir / "dos.tql").find("Time=100\r\n"), std::string::npos);
  EXPECT_FALSE(host.window(1).doc.Modified);
  EXPECT_TRUE(host.saveTitles.empty());
}

// Two editors (or an editor and a text editor) on one file: a save finds that
// the file is no longer what the document read, and asks before writing over
// it. "No" leaves both as they are; after a save the file written is the one
// the document knows, and a further save asks nothing.
struct ChangedFileCase {
  const char* name;
  const char* file;
  std::function<bool(TMainCommands&, FakeWindow&)> save;
};

TEST_F(MainCommands, ASaveOverAFileAnotherProgramChangedAsksFirst) {
  const ChangedFileCase cases[] = {
      {"Guardar", "nivel.tql", [](TMainCommands& c, FakeWindow& w) { return c.Save(w); }},
      {"Guardar todos", "nivel.tql",
       [](TMainCommands& c, FakeWindow& w) {
         c.SaveAll();
         return !w.doc.Modified;
       }},
      {"close query", "nivel.tql", [](TMainCommands& c, FakeWindow& w) { return c.CloseQuery(w); }},
      {"Guardar como, same name", "nivel.tql", [](TMainCommands& c, FakeWindow&) { return c.SaveAs(); }},
      {"a game", "juego.tqg", [](TMainCommands& c, FakeWindow& w) { return c.Save(w); }},
  };
  for (const ChangedFileCase& c : cases) {
    SCOPED_TRACE(c.name);
    const bool game = std::string(c.file).ends_with(".tqg");
    writeFile(dir / c.file, game ? kGameText : kLevelText);
    commands->OpenFile(path(c.file));
    FakeWindow& w = *host.windows.back();
    // The other program's save: a block placed in the level, a life more in the game.
    const std::string theirs = game ? "[Options]\r\nLifes=9\r\nMapFile=mapa.tqw\r\n"
                                    : std::string(kLevelText) + "65540=49,1,\r\n";
    writeFile(dir / c.file, theirs);
    w.doc.Time = 100;
    w.text = "[Options]\r\nLifes=2\r\n";
    w.doc.Modified = true;
    const auto answer = [&](std::deque<TAnswer> answers) {
      host.questions.clear();
      host.answers = std::move(answers);
      host.saveNames = {path(c.file)};
    };
    const std::string question = "Otro programa modific\xF3 el archivo \"" + path(c.file) +
                                 "\" despu\xE9s de que se abriera o guardara aqu\xED. \xBF" "Desea reemplazarlo por este documento?";
    const bool closeQuery = std::string(c.name) == "close query";

    answer(closeQuery ? std::deque{ansYes, ansNo} : std::deque{ansNo});
    EXPECT_FALSE(c.save(*commands, w));
    ASSERT_FALSE(host.questions.empty());
    EXPECT_EQ(host.questions.back(), question);
    EXPECT_EQ(readFile(dir / c.file), theirs);
    EXPECT_TRUE(w.doc.Modified);
    EXPECT_EQ(w.doc.FileName, path(c.file));

    answer(closeQuery ? std::deque{ansYes, ansYes} : std::deque{ansYes});
    EXPECT_TRUE(c.save(*commands, w));
    ASSERT_FALSE(host.questions.empty());
    EXPECT_EQ(host.questions.back(), question);
    EXPECT_EQ(readFile(dir / c.file).find(game ? "Lifes=9" : "65540=49,1,"), std::string::npos);
    EXPECT_FALSE(w.doc.Modified);

    // The file is now the document's own: no question.
    w.doc.Modified = true;
    answer(closeQuery ? std::deque{ansYes} : std::deque<TAnswer>{});
    EXPECT_TRUE(c.save(*commands, w));
    EXPECT_EQ(host.questions.size(), closeQuery ? 1u : 0u);
    w.doc.Modified = false;
    commands->CloseWindow(w);
  }
}

// A file saved meanwhile with the very bytes the document read holds nothing to lose.
TEST_F(MainCommands, AFileRewrittenUnchangedOrSavedUnderAnotherNameAsksNothing) {
  writeFile(dir / "nivel.tql", kLevelText);
  commands->OpenFile(path("nivel.tql"));
  FakeWindow& w = host.window(0);
  writeFile(dir / "nivel.tql", kLevelText);
  w.doc.Modified = true;
  EXPECT_TRUE(commands->Save(w));
  writeFile(dir / "nivel.tql", "[Options]\r\n");
  w.doc.Modified = true;
  host.saveNames = {path("copia.tql")};
  EXPECT_TRUE(commands->SaveAs());
  EXPECT_TRUE(host.questions.empty());
  EXPECT_EQ(readFile(dir / "nivel.tql"), "[Options]\r\n");
}

// A file removed since the document read it: the question says so, and what
// "S\xED" does. "No" leaves no file; "S\xED" writes it anew.
TEST_F(MainCommands, ASaveOfAFileRemovedMeanwhileSaysItIsGone) {
  writeFile(dir / "nivel.tql", kLevelText);
  commands->OpenFile(path("nivel.tql"));
  FakeWindow& w = host.window(0);
  fs::remove(dir / "nivel.tql");
  w.doc.Modified = true;
  const std::string question = "El archivo \"" + path("nivel.tql") +
                               "\" fue borrado o movido a otro lugar despu\xE9s de que se abriera o guardara aqu\xED. "
                               "\xBF" "Desea crearlo de nuevo con este documento?";
  host.answers = {ansNo};
  EXPECT_FALSE(commands->Save(w));
  EXPECT_EQ(host.questions, std::vector<std::string>{question});
  EXPECT_FALSE(fs::exists(dir / "nivel.tql"));
  EXPECT_TRUE(w.doc.Modified);
  host.answers = {ansYes};
  EXPECT_TRUE(commands->Save(w));
  EXPECT_EQ(host.questions.size(), 2u);
  EXPECT_NE(readFile(dir / "nivel.tql").find("[Sprites]\r\n0=0,1,\r\n131075=40,1,\r\n"), std::string::npos);
  EXPECT_FALSE(w.doc.Modified);
}

// A save writes the name the author typed. A file whose name differs only in
// letter case is another file: it stays as it is, whichever command saves.
TEST_F(MainCommands, ASaveUnderANameThatDiffersOnlyInCaseLeavesThatFile) {
  struct Case {
    const char* name;
    bool opened;  // a document read from a file, else a new level
    std::function<bool(TMainCommands&, FakeHost&, FakeWindow&)> save;
  };
  const Case cases[] = {
      {"Guardar", false, [](TMainCommands& c, FakeHost&, FakeWindow& w) { return c.Save(w); }},
      {"Guardar como", true, [](TMainCommands& c, FakeHost&, FakeWindow&) { return c.SaveAs(); }},
      {"Guardar todos", false,
       [](TMainCommands& c, FakeHost&, FakeWindow& w) {
         c.SaveAll();
         return !w.doc.Modified;
       }},
      {"close query", false,
       [](TMainCommands& c, FakeHost& h, FakeWindow& w) {
         h.answers = {ansYes};
         return c.CloseQuery(w);
       }},
  };
  fs::create_directories(dir / "levels");
  const std::string theirs = "[Options]\r\nName=Casa de otro\r\n[Sprites]\r\n0=0,1,\r\n65541=40,1,\r\n";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(dir / "levels" / "Casa.tql");
    writeFile(dir / "levels" / "casa.tql", theirs);
    if (c.opened) {
      writeFile(dir / "otro.tql", kLevelText);
      commands->OpenFile(path("otro.tql"));
    } else {
      host.newDocument = NewLevelDocument({});
      commands->NewLevel();
    }
    FakeWindow& w = *host.windows.back();
    w.doc.Time = 123;
    w.doc.Modified = true;
    host.messages.clear();
    host.questions.clear();
    host.saveNames = {path("levels/Casa")};
    EXPECT_TRUE(c.save(*commands, host, w));
    EXPECT_TRUE(host.messages.empty()) << host.messages.at(0);
    EXPECT_EQ(w.doc.FileName, path("levels/Casa.tql"));
    EXPECT_EQ(readFile(dir / "levels" / "casa.tql"), theirs);
    EXPECT_NE(readFile(dir / "levels" / "Casa.tql").find("Time=123\r\n"), std::string::npos);
    w.doc.Modified = false;
    commands->CloseWindow(w);
  }

  // Open in a window, casa.tql is no reason to refuse a save as Casa.tql.
  commands->OpenFile(path("levels/casa.tql"));
  host.newDocument = NewLevelDocument({});
  commands->NewLevel();
  host.saveNames = {path("levels/Casa.tql")};
  host.messages.clear();
  EXPECT_TRUE(commands->Save());
  EXPECT_TRUE(host.messages.empty()) << host.messages.at(0);
  EXPECT_EQ(readFile(dir / "levels" / "casa.tql"), theirs);
}

// Guardar writes a typed extension in lower case. The dialog asked about the
// name as typed (Casa.TQL); the lower-cased Casa.tql beside it is another file,
// replaced only on "S\xED".
TEST_F(MainCommands, AnExtensionLowerCasedOntoAnotherFileAsksBeforeReplacingIt) {
  fs::create_directories(dir / "levels");
  const std::string theirs = "[Options]\r\nName=Casa de otro\r\n[Sprites]\r\n0=0,1,\r\n";
  writeFile(dir / "levels" / "Casa.TQL", theirs);
  for (const TAnswer answer : {ansNo, ansYes}) {
    SCOPED_TRACE(answer == ansYes ? "S\xED" : "No");
    writeFile(dir / "levels" / "Casa.tql", theirs);
    host.newDocument = NewLevelDocument({});
    commands->NewLevel();
    FakeWindow& w = *host.windows.back();
    w.doc.Time = 123;
    w.doc.Modified = true;
    host.questions.clear();
    host.answers = {answer};
    host.saveNames = {path("levels/Casa.TQL")};
    EXPECT_EQ(commands->Save(w), answer == ansYes);
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_NE(host.questions[0].find("Casa.tql\" ya existe"), std::string::npos) << host.questions[0];
    EXPECT_EQ(readFile(dir / "levels" / "Casa.TQL"), theirs);
    EXPECT_EQ(readFile(dir / "levels" / "Casa.tql") == theirs, answer == ansNo);
    EXPECT_EQ(w.doc.Modified, answer == ansNo);
    w.doc.Modified = false;
    commands->CloseWindow(w);
  }
}

// A save changes the file's bytes, not what the file system holds of it: its
// mode, its link. A file the author may not write is refused, and the
// document keeps its changes.
TEST_F(MainCommands, ASaveKeepsTheFilesModeAndLinkAndRefusesAFileTheAuthorMayNotWrite) {
  struct Case {
    const char* name;
    fs::perms mode;
    const char* opened;  // nivel.tql, or a link to it
    bool anotherUser;    // saved as a user who may not write the file
  };
  const Case cases[] = {
      {"a 0640 file", fs::perms(0640), "nivel.tql", false},
      {"a link", fs::perms(0644), "enlace.tql", false},
      {"a read-only file", fs::perms(0644), "nivel.tql", true},
      {"a read-only file through a link", fs::perms(0644), "enlace.tql", true},
  };
  fs::permissions(dir, fs::perms::all);  // anyone may make files here
  const fs::path level = dir / "nivel.tql";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(dir / "enlace.tql");
    writeFile(level, kLevelText);
    fs::permissions(level, c.mode);
    fs::create_symlink("nivel.tql", dir / "enlace.tql");
    host.messages.clear();
    commands->OpenFile(path(c.opened));
    FakeWindow& w = *host.windows.back();
    w.doc.Time = 123;
    w.doc.Modified = true;
    {
      std::optional<AsAnotherUser> other;
      if (c.anotherUser) {
        other.emplace();
        ASSERT_FALSE(AsAnotherUser::mayWrite(level)) << "the premise: this user may not write the file";
      }
      EXPECT_EQ(commands->Save(w), !c.anotherUser);
    }
    EXPECT_TRUE(fs::is_symlink(dir / "enlace.tql"));
    EXPECT_EQ(fs::status(level).permissions(), c.mode);
    if (c.anotherUser) {
      EXPECT_EQ(host.messages,
                std::vector<std::string>{"Error: No se pudo guardar \"" + path(c.opened) + "\": no se puede escribir el archivo."});
      EXPECT_EQ(readFile(level), kLevelText);
      EXPECT_TRUE(w.doc.Modified);
    } else {
      EXPECT_TRUE(host.messages.empty()) << host.messages.at(0);
      EXPECT_NE(readFile(level).find("Time=123\r\n"), std::string::npos);
      EXPECT_FALSE(w.doc.Modified);
    }
    w.doc.Modified = false;
    commands->CloseWindow(w);
  }
}

// A level with a line the view cannot draw opens with its commands, and the
// author is told what is wrong with it.
TEST_F(MainCommands, ALevelThatCannotBeDrawnOpensAndSaysWhy) {
  writeFile(dir / "roto.tql", "[Options]\r\n[Sprites]\r\n0=0,1,\r\n1=400,1,\r\n");
  host.renderError = "List index out of bounds (400)";
  commands->OpenFile(path("roto.tql"));
  ASSERT_EQ(host.windows.size(), 1u);
  EXPECT_EQ(host.window(0).doc.Objects.size(), 2u);
  EXPECT_EQ(host.enabled.back(), true);
  // In Spanish, naming the document: the line's own error is English.
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error: No se pudo dibujar todo \"" + path("roto.tql") +
                                                    "\": un objeto tiene un n\xFAmero de animaci\xF3n o de celda que "
                                                    "no es v\xE1lido. Los objetos anteriores a \xE9l est\xE1n dibujados."});
  // Refreshing, and a new level too large to draw, say so as well.
  commands->Refresh();
  EXPECT_EQ(host.messages.size(), 2u);
  host.renderError = "too large";
  host.renderTooLarge = true;
  host.newDocument = NewLevelDocument({});
  commands->NewLevel();
  EXPECT_EQ(host.messages.back(),
            "Error: El nivel \"Nuevo 2\" es demasiado grande para dibujarlo (70000 x 13 celdas de 16 p\xEDxeles).");
  EXPECT_EQ(host.pages.back(), DocLevel);
  EXPECT_EQ(host.enabled.back(), true);
}

// Properties that name another image library load it before the document is
// drawn again; other changes only draw it again.
TEST_F(MainCommands, PropertiesWithAnotherLibraryLoadItBeforeDrawing) {
  writeFile(dir / "nivel.tql", kLevelText);
  commands->OpenFile(path("nivel.tql"));
  FakeWindow& w = host.window(0);
  w.calls.clear();
  host.editProperties = [](TDocument& d) { d.Time = 200; };
  commands->Properties();
  EXPECT_EQ(w.calls, std::vector<std::string>{"render"});
  w.calls.clear();
  host.editProperties = [](TDocument& d) { d.ImageLib = "sprites\\map.iml"; };
  commands->Properties();
  EXPECT_EQ(w.calls, (std::vector<std::string>{"levelView", "render"}));
}

// A name from the command line is taken by its lower-cased extension but keeps
// its own letters, since the file system tells them apart.
TEST_F(MainCommands, CommandLineOpensAnExistingFileByItsLowerCasedExtension) {
  writeFile(dir / "Mapa.TQW", kWorldText);
  fs::create_directories(dir / "carpeta.tql");
  commands->OpenFromCommandLine({"Hopzedit"});
  commands->OpenFromCommandLine({"Hopzedit", path("falta.tqw")});
  commands->OpenFromCommandLine({"Hopzedit", path("carpeta.tql")});
  commands->OpenFromCommandLine({"Hopzedit", "", path("Mapa.TQW")});
  EXPECT_TRUE(host.windows.empty());

  commands->OpenFromCommandLine({"Hopzedit", path("Mapa.TQW")});
  ASSERT_EQ(host.windows.size(), 1u);
  EXPECT_EQ(host.window(0).doc.DocKind, DocWorldMap);
  EXPECT_EQ(host.window(0).doc.FileName, path("Mapa.TQW"));
  EXPECT_EQ(host.window(0).doc.Name, "Mundo");
}

TEST_F(MainCommands, SaveAsksForANameOnlyWhenThereIsNone) {
  TDocument level = NewLevelDocument({});
  host.newDocument = level;
  commands->NewLevel();
  FakeWindow& w = host.window(0);
  EXPECT_TRUE(w.doc.Modified);
  EXPECT_FALSE(commands->Save());  // dialog cancelled
  EXPECT_EQ(host.saveTitles.at(0), "Guardar Nuevo 1 como...");
  EXPECT_TRUE(w.doc.Modified);

  host.saveNames.push_back(path("Propio.TQL"));
  EXPECT_TRUE(commands->Save());
  EXPECT_EQ(w.doc.FileName, path("Propio.tql"));
  EXPECT_TRUE(fs::exists(path("Propio.tql")));
  EXPECT_FALSE(w.doc.Modified);

  // Known name: no dialog.
  w.doc.Modified = true;
  EXPECT_TRUE(commands->Save());
  EXPECT_EQ(host.saveTitles.size(), 2u);

  // Save as starts at the name and keeps the chosen one as returned.
  host.saveNames.push_back(path("copia.tql"));
  EXPECT_TRUE(commands->SaveAs());
  EXPECT_EQ(host.saveStarts.back(), path("Propio.tql"));
  EXPECT_EQ(w.doc.FileName, path("copia.tql"));
  EXPECT_TRUE(fs::exists(path("copia.tql")));
}

// A name typed without an extension takes the document's own, so a world map
// or a game is never written as a level.
TEST_F(MainCommands, ANameTypedWithoutExtensionGetsTheDocumentsOwn) {
  struct Case {
    TDocKind kind;
    const char* ext;
  };
  for (const Case& c : {Case{DocLevel, "tql"}, Case{DocWorldMap, "tqw"}, Case{DocGame, "tqg"}}) {
    SCOPED_TRACE(c.ext);
    if (c.kind == DocGame) {
      commands->NewGame();
    } else {
      host.newDocument = c.kind == DocLevel ? NewLevelDocument({}) : NewWorldDocument({});
      c.kind == DocLevel ? commands->NewLevel() : commands->NewMap();
    }
    const std::string stem = path(std::string("nuevo_") + c.ext);
    host.saveNames.push_back(stem);
    EXPECT_TRUE(commands->Save());
    EXPECT_EQ(host.saveExts.back(), c.ext);
    EXPECT_EQ(commands->Active()->Document().FileName, stem + "." + c.ext);
    EXPECT_TRUE(fs::exists(stem + "." + c.ext));
  }
}

// A save that cannot be written says why, and the document keeps its name and
// its changes, so the next save asks again.
TEST_F(MainCommands, AFailedSaveIsReportedAndKeepsTheDocumentUnsaved) {
  host.newDocument = NewWorldDocument({});
  commands->NewMap();
  FakeWindow& w = host.window(0);
  host.saveNames.push_back(path("mapa.tql"));
  EXPECT_FALSE(commands->Save());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Error: No se pudo guardar \"" + path("mapa.tql") +
                                  "\": el nombre no termina en la extensi\xF3n del tipo de documento.");
  EXPECT_FALSE(fs::exists(path("mapa.tql")));
  EXPECT_TRUE(w.doc.FileName.empty());
  EXPECT_TRUE(w.doc.Modified);
  EXPECT_EQ(std::count(w.calls.begin(), w.calls.end(), "caption"), 0);

  host.saveNames.push_back(path("mapa.tqw"));
  EXPECT_TRUE(commands->Save());
  EXPECT_EQ(host.saveTitles.size(), 2u);
  // Save as under a name that cannot be written keeps the old name.
  host.saveNames.push_back(path("otro.tqg"));
  w.doc.Modified = true;
  EXPECT_FALSE(commands->SaveAs());
  EXPECT_EQ(w.doc.FileName, path("mapa.tqw"));
  EXPECT_TRUE(w.doc.Modified);
  // A close query whose save fails keeps the window. The file is gone since it
  // was saved: writing it anew is asked first.
  host.answers = {ansYes, ansYes};
  w.doc.FileName = (dir / "missing" / "mapa.tqw").string();
  EXPECT_FALSE(commands->CloseWindow(w));
  EXPECT_EQ(host.freed, 0);
  ASSERT_EQ(host.messages.size(), 3u);
  EXPECT_EQ(host.messages[2], "Error: No se pudo guardar \"" + w.doc.FileName.string() + "\": no se puede escribir el archivo.");
}

TEST_F(MainCommands, NewGameIsATextDocumentThatSavesItsText) {
  commands->NewGame();
  FakeWindow& w = host.window(0);
  EXPECT_EQ(w.doc.DocKind, DocGame);
  EXPECT_EQ(w.text, NewGameText());
  EXPECT_TRUE(w.doc.Modified);
  EXPECT_EQ(host.status[0], "Listo");
  EXPECT_EQ(host.paletteVisible, std::vector<bool>{false});
  EXPECT_EQ(host.enabled.back(), true);

  w.text = kGameText;
  host.saveNames.push_back(path("juego.tqg"));
  EXPECT_TRUE(commands->Save());
  EXPECT_EQ(readFile(path("juego.tqg")), kGameText);
}

TEST_F(MainCommands, ExecuteStartsTheGameWhateverTheSave) {
  commands->Execute();  // no document: nothing
  EXPECT_TRUE(shell.requests.empty());
  commands->NewGame();
  commands->Execute();  // save dialog cancelled
  ASSERT_EQ(shell.requests.size(), 1u);
  EXPECT_EQ(shell.requests[0].kind, "program");
  EXPECT_EQ(shell.requests[0].target, "Hopz.exe");

  shell.result = false;
  host.saveNames.push_back(path("juego.tqg"));
  commands->Execute();
  EXPECT_TRUE(fs::exists(path("juego.tqg")));
  EXPECT_EQ(shell.requests.size(), 2u);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(MainCommands, HelpReportsAProgramThatDoesNotStart) {
  commands->Help();
  EXPECT_EQ(shell.requests.at(0).target, "Divizud.exe");
  EXPECT_TRUE(host.messages.empty());
  shell.result = false;
  commands->Help();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], std::string("Error: ") + kHelpFailed);
}

TEST_F(MainCommands, ClosingAsksAboutChangesAndTheLastWindowDisablesTheCommands) {
  commands->NewGame();
  commands->NewGame();
  FakeWindow& first = host.window(0);
  FakeWindow& second = host.window(1);
  EXPECT_EQ(commands->Active(), &second);

  host.answers = {ansCancel};
  commands->Close();
  EXPECT_EQ(host.questions.at(0), "\xBF" "Desea guardar los cambios realizados a \"Nuevo 2\"?");
  EXPECT_EQ(commands->Windows().size(), 2u);
  EXPECT_TRUE(second.doc.Modified);

  host.answers = {ansYes};  // the save dialog is cancelled: the window stays
  commands->Close();
  EXPECT_EQ(commands->Windows().size(), 2u);

  host.answers = {ansNo};
  commands->Close();
  EXPECT_EQ(commands->Windows().size(), 1u);
  EXPECT_EQ(commands->Active(), &first);
  EXPECT_EQ(host.enabled.back(), true);

  host.answers = {ansYes};
  host.saveNames.push_back(path("juego.tqg"));
  EXPECT_FALSE(commands->CloseQueryAll() == false);
  EXPECT_FALSE(first.doc.Modified);
  host.status[1] = "\xCDndice: 3 (9 objetos)";  // as a level would have left it
  host.status[2] = "Animaci\xF3n: 40 (img56)";
  commands->CloseAll();  // saved now: no question
  EXPECT_TRUE(commands->Windows().empty());
  EXPECT_EQ(commands->Active(), nullptr);
  EXPECT_EQ(host.enabled.back(), false);
  EXPECT_EQ(host.freed, 2);
  // Nothing open: the status bar shows no document's objects.
  EXPECT_EQ(host.status[1], "0 objetos");
  EXPECT_EQ(host.status[2], "");
}

// Closing a document window asks only about a changed document; "S\xED" saves
// it and closes only when the save succeeds, "No" drops the changes, "Cancelar"
// keeps the window as it was.
struct CloseCase {
  const char* name;
  bool modified;
  TAnswer answer;
  const char* saveName;  // the save dialog's answer; nullptr cancels it
  bool closes;
  bool written;
};

TEST_F(MainCommands, CloseAsksOnlyAboutChangesAndClosesWhenAnswered) {
  const CloseCase cases[] = {
      {"unchanged", false, ansCancel, nullptr, true, false},
      {"cancelled", true, ansCancel, "juego.tqg", false, false},
      {"dropped", true, ansNo, "juego.tqg", true, false},
      {"saved", true, ansYes, "juego.tqg", true, true},
      {"save dialog cancelled", true, ansYes, nullptr, false, false},
      {"save failed", true, ansYes, "missing/juego.tqg", false, false},
  };
  for (const CloseCase& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(path("juego.tqg"));
    host.questions.clear();
    host.answers = {c.answer};
    host.saveNames.clear();
    if (c.saveName) host.saveNames.push_back(path(c.saveName));
    commands->NewGame();
    FakeWindow& w = *host.windows.back();
    w.doc.Modified = c.modified;
    const std::string caption = w.caption;
    EXPECT_EQ(commands->CloseWindow(w), c.closes);
    EXPECT_EQ(host.questions.size(), c.modified ? 1u : 0u);
    if (c.modified) {
      EXPECT_EQ(host.questions[0], "\xBF" "Desea guardar los cambios realizados a \"" + caption + "\"?");
    }
    EXPECT_EQ(fs::exists(path("juego.tqg")), c.written);
    if (!c.closes) {
      EXPECT_TRUE(w.doc.Modified);
      EXPECT_EQ(commands->Active(), &w);
      w.doc.Modified = false;
      commands->CloseWindow(w);
    }
    EXPECT_TRUE(commands->Windows().empty());
  }
}

TEST_F(MainCommands, CloseAllGoesOnPastAWindowThatStays) {
  commands->NewGame();
  commands->NewGame();
  host.window(1).doc.Modified = false;
  host.answers = {ansCancel};
  commands->CloseAll();
  ASSERT_EQ(commands->Windows().size(), 1u);
  EXPECT_EQ(commands->Windows()[0], &host.window(0));
  host.answers = {ansCancel};
  EXPECT_FALSE(commands->CloseQueryAll());
}

TEST_F(MainCommands, GridFollowsTheLastToggleOnWhicheverDocumentIsActive) {
  commands->GridMenu();  // no document: only the check
  EXPECT_TRUE(host.gridChecked);
  host.newDocument = NewLevelDocument({});
  commands->NewLevel();
  commands->NewLevel();
  commands->GridMenu();
  EXPECT_FALSE(host.gridChecked);
  EXPECT_FALSE(host.window(1).grid);
  commands->Activate(&host.window(0));
  commands->GridButton(true);
  EXPECT_TRUE(host.gridChecked);
  EXPECT_TRUE(host.window(0).grid);
  EXPECT_EQ(host.window(0).calls.back(), "repaint");
}

// The grid's commands follow the active document: a level or a world map has
// them, a game (text only) and a window that loaded nothing do not.
TEST_F(MainCommands, GridCommandsFollowTheKindOfTheActiveDocument) {
  writeFile(dir / "nivel.tql", kLevelText);
  writeFile(dir / "mapa.tqw", kWorldText);
  writeFile(dir / "juego.tqg", kGameText);
  writeFile(dir / "secreto.tql", "[Options]\r\nPassword=abc\r\n[Sprites]\r\n0=0,1,\r\n");
  EXPECT_FALSE(host.gridCommands);
  commands->OpenFile(path("nivel.tql"));
  EXPECT_TRUE(host.gridCommands);
  commands->OpenFile(path("juego.tqg"));
  EXPECT_FALSE(host.gridCommands);
  commands->OpenFile(path("mapa.tqw"));
  EXPECT_TRUE(host.gridCommands);
  commands->NewGame();
  EXPECT_FALSE(host.gridCommands);
  commands->Activate(&host.window(0));
  EXPECT_TRUE(host.gridCommands);
  host.passwordOk = false;
  commands->OpenFile(path("secreto.tql"));
  EXPECT_FALSE(host.gridCommands);
  commands->Activate(&host.window(1));
  EXPECT_FALSE(host.gridCommands);
  // Closing the game leaves the window opened last, the empty one, active.
  commands->Close();
  ASSERT_NE(commands->Active(), nullptr);
  EXPECT_EQ(host.gridCommands, commands->Active()->Document().DocKind != DocGame);
  for (TDocumentWindowSeam* w : commands->Windows()) w->Document().Modified = false;
  commands->CloseAll();
  EXPECT_FALSE(host.gridCommands);
}

TEST_F(MainCommands, ZoomItemsAndWindowStatesReachTheDocuments) {
  host.newDocument = NewLevelDocument({});
  commands->NewLevel();
  commands->NewLevel();
  commands->SetZoomItem(5);
  EXPECT_EQ(host.window(1).zoom, 4.0);
  commands->SetZoomItem(6);   // no such item
  commands->SetZoomItem(-1);
  EXPECT_EQ(host.window(1).zoom, 4.0);
  commands->SetAllWindowStates(dwsMinimized);
  EXPECT_EQ(host.window(0).state, dwsMinimized);
  EXPECT_EQ(host.window(1).state, dwsMinimized);
  commands->Delete();  // nothing selected
  host.window(1).selection = true;
  commands->Delete();
  EXPECT_EQ(std::count(host.window(1).calls.begin(), host.window(1).calls.end(), "delete"), 1);
}

TEST_F(MainCommands, NewMapStartsWithoutObjects) {
  TDocument world = NewWorldDocument({});
  world.Objects = {"0=0,1,"};
  host.newDocument = world;
  commands->NewMap();
  EXPECT_EQ(host.window(0).doc.DocKind, DocWorldMap);
  EXPECT_TRUE(host.window(0).doc.Objects.empty());
  EXPECT_EQ(host.pages, std::vector<TDocKind>{DocWorldMap});
  host.newDocument.reset();
  commands->NewMap();  // dialog cancelled
  EXPECT_EQ(host.windows.size(), 1u);
}

TEST_F(MainCommands, RegistrationWritesTheMimePackageAndDesktopEntryUnderTheDataFolder) {
  const fs::path data = dir / "data";
  commands->RegisterFileTypes("/opt/Tobbo Quest/Hopzedit", data.string());
  const std::string mime = readFile(data / "mime/packages/tobbostudio.xml");
  for (const char* glob : {"*.tqg", "*.tqw", "*.tql"})
    EXPECT_NE(mime.find(std::string("<glob pattern=\"") + glob + "\"/>"), std::string::npos) << glob;
  EXPECT_NE(mime.find("<comment>Nivel de Tobbo Quest (Versi\xC3\xB3n Editable)</comment>"), std::string::npos);
  const std::string entry = readFile(data / "applications/tobbostudio-hopzedit.desktop");
  EXPECT_NE(entry.find("Exec=\"/opt/Tobbo Quest/Hopzedit\" %f\n"), std::string::npos);
  EXPECT_NE(entry.find("MimeType=application/x-tobbostudio-game;application/x-tobbostudio-world;"
                       "application/x-tobbostudio-level;\n"),
            std::string::npos);
  // Nothing waits for a restart: once the databases are rebuilt the types are known.
  EXPECT_EQ(host.messages, std::vector<std::string>{"Asociar tipos de archivo: Los tipos de archivo quedaron "
                                                    "asociados: los niveles, mapas y juegos se abren con el editor."});

  // The desktop is told: the user's MIME database knows a .tql by its type, in
  // any letter case, and the editor is the program that opens it.
  const std::string globs = readFile(data / "mime/globs2");
  EXPECT_NE(globs.find(":application/x-tobbostudio-level:*.tql\n"), std::string::npos) << globs;
  EXPECT_EQ(globs.find(":application/x-tobbostudio-level:*.tql:cs"), std::string::npos) << globs;
  EXPECT_TRUE(fs::is_regular_file(data / "mime/mime.cache"));
  const std::string handlers = readFile(data / "applications/mimeinfo.cache");
  EXPECT_NE(handlers.find("application/x-tobbostudio-level=tobbostudio-hopzedit.desktop;"), std::string::npos)
      << handlers;
}

// Without the desktop's tools the registration is written, and the message says
// that the desktop does not know it yet; one that cannot be written says so.
TEST_F(MainCommands, RegistrationWithoutTheDesktopsToolsSaysSoAndAFailedOneIsReported) {
  const std::string path = std::getenv("PATH") ? std::getenv("PATH") : "";
  fs::create_directories(dir / "no-tools");
  ::setenv("PATH", (dir / "no-tools").c_str(), 1);
  const fs::path data = dir / "data";
  commands->RegisterFileTypes("/opt/Hopzedit", data.string());
  ::setenv("PATH", path.c_str(), 1);
  EXPECT_TRUE(fs::is_regular_file(data / "mime/packages/tobbostudio.xml"));
  EXPECT_FALSE(fs::exists(data / "mime/globs2"));
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"Asociar tipos de archivo: Los tipos de archivo quedaron registrados en \"" +
                                     data.string() +
                                     "\", pero el escritorio todav\xED" "a no los conoce: no se pudo actualizar su base "
                                     "de datos (update-mime-database, update-desktop-database). Los reconocer\xE1 "
                                     "cuando se actualice."});

  // A data folder that cannot be written is reported, not announced as done.
  writeFile(dir / "archivo", "");
  host.messages.clear();
  commands->RegisterFileTypes("/opt/Hopzedit", (dir / "archivo").string());
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error: No se pudieron asociar los tipos de archivo: no se puede "
                                                    "escribir en la carpeta \"" + (dir / "archivo").string() + "\"."});
}

TEST(FileTypes, ExecQuotesTheCharactersTheFormatReserves) {
  const std::string entry = DesktopEntryText("/a$b/c\"d/100%/e\\f");
  EXPECT_NE(entry.find("Exec=\"/a\\\\$b/c\\\\\"d/100%%/e\\\\\\\\f\" %f\n"), std::string::npos) << entry;
}

TEST(FileTypes, DataHomeIsXdgDataHomeWhenAbsolute) {
  const char* oldXdg = std::getenv("XDG_DATA_HOME");
  const std::string saved = oldXdg ? oldXdg : "";
  setenv("XDG_DATA_HOME", "/tmp/scratch-data", 1);
  EXPECT_EQ(UserDataHome(), fs::path("/tmp/scratch-data"));
  setenv("XDG_DATA_HOME", "relative/data", 1);
  EXPECT_EQ(UserDataHome(), fs::path(std::getenv("HOME")) / ".local" / "share");
  if (oldXdg) setenv("XDG_DATA_HOME", saved.c_str(), 1); else unsetenv("XDG_DATA_HOME");
}

}  // namespace

namespace {

// The editor's settings staged with the game give a new level resources that
// the program folder holds, so its objects draw and the game can play it.
TEST(StagedEditorSettings, NewLevelsNameResourcesOfTheProgramFolder) {
  const fs::path stage(TQ_STAGE_DIR);
  ASSERT_TRUE(fs::exists(stage / EditorSettingsFileName));
  const TNewLevelSettings settings = TEditorSettings(stage / EditorSettingsFileName).ReadNewLevel();
  for (const std::string* file : {&settings.ImageLib, &settings.SoundLib, &settings.MidiFile}) {
    ASSERT_FALSE(file->empty());
    EXPECT_TRUE(platform::fileExists(stage.string() + "/" + *file)) << *file;
  }
  EXPECT_EQ(NewLevelDocument(settings).ImageLib, "sprites\\game.iml");
}

}  // namespace
