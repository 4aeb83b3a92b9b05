#include <gtest/gtest.h>

#include "editor/frmColor/color_model.h"
#include "editor/frmFill/fill_model.h"
#include "editor/frmFind/find_model.h"
#include "editor/frmPassword/password_model.h"
#include "editor/frmReplace/replace_model.h"

TEST(FindDialog, FindStartsAtTheTopAndFindNextAfterTheSelection) {
  std::vector<std::string> objects = {"0=0,1", "1=40,1", "2=12,1", "3=40,0", "4=x,1"};
  TfmFindModel find;
  find.Prepare(&objects[3]);
  EXPECT_EQ(find.Chooser.Kind, 40);
  EXPECT_EQ(find.Chooser.Max, 362);
  EXPECT_EQ(FindObject(objects, 0, 40), 1);     // find
  EXPECT_EQ(FindObject(objects, 3 + 1, 40), -1);  // find next after the last match
  EXPECT_EQ(FindObject(objects, 1 + 1, 40), 3);
  EXPECT_EQ(FindObject(objects, 99, 40), -1);
  EXPECT_EQ(FindObject(objects, -1 + 1, 0), 0);
  EXPECT_EQ(FindObject(objects, 0, -1), -1);  // a line without a number matches no kind
  EXPECT_FALSE(find.LastOK);                  // find next does nothing before a find
}

TEST(FindDialog, ChooserPreviewAndBadText) {
  TKindChooser chooser;
  std::vector<int> previews;
  chooser.OnPreviewChange = [&](TKindChooser&, int kind) { previews.push_back(kind); };
  EXPECT_EQ(chooser.Max, 229);
  chooser.Change("62");
  chooser.Change("6x");
  EXPECT_EQ(chooser.Kind, 62);
  EXPECT_EQ(previews, (std::vector<int>{62, 62}));
}

TEST(ReplaceDialog, StartsAtTheSelectedKind) {
  const std::string selected = "65540=39,1,49";
  TfmReplaceModel replace;
  replace.Prepare(&selected);
  EXPECT_EQ(replace.FindKind.Kind, 39);
  EXPECT_EQ(replace.NewKind.Kind, 39);
}

// A replaced object keeps its visible flag and what the new kind reads in the
// same place: a node still leads to its level, a block keeps its contents.
TEST(ReplaceDialog, ReplacedLinesKeepWhatTheNewKindTakes) {
  struct Case {
    TDocKind doc;
    const char* line;
    int newKind;
    const char* replaced;
    bool lost;
  };
  const Case cases[] = {
      {DocWorldMap, "393221=4,1,levels\\mio.tql,0,0", 6, "393221=6,1,levels\\mio.tql,0,0", false},
      {DocLevel, "65540=39,1,49", 46, "65540=46,1,49", false},
      {DocLevel, "7=16,0,niveles\\a.tql,3,2,1", 25, "7=25,0,niveles\\a.tql,3,2,1", false},
      {DocLevel, "7=25,1,a.tql,0,0,0,1", 16, "7=16,1,a.tql,0,0,0,1", false},
      {DocLevel, "8=40,0", 41, "8=41,0", false},
      {DocLevel, "9=227,1,1", 228, "9=228,1,1", false},  // a field the game reads though no page shows it
      {DocLevel, "10=40,1,", 39, "10=39,1,", false},
      {DocLevel, "11=39", 46, "11=46", false},
      // Another page reads field 2 otherwise: what it held is not kept.
      {DocLevel, "65540=39,0,49", 55, "65540=55,0", true},
      {DocLevel, "12=227,1,1", 40, "12=40,1", true},
      {DocLevel, "12=227,1,1", 39, "12=39,1", true},  // not a block's contents
      {DocLevel, "12=227,1,1", 60, "12=60,1", true},  // not the level an end card leads to
      {DocLevel, "14=60,1,levels\\b.tql", 16, "14=16,1,levels\\b.tql", false},
      // Fields no kind reads stay.
      {DocLevel, "15=40,1,x,y", 41, "15=41,1,x,y", false},
      {DocLevel, "15=40,1,x,y", 60, "15=60,1,,y", true},
      {DocWorldMap, "393221=4,1,levels\\mio.tql,0,0", 22, "393221=22,1", true},
      {DocWorldMap, "13=4,1,,,", 22, "13=22,1,,,", false},
  };
  for (const Case& c : cases) {
    bool lost = !c.lost;
    EXPECT_EQ(ReplacedLine(c.doc, c.line, c.newKind, lost), c.replaced) << c.line << " -> " << c.newKind;
    EXPECT_EQ(lost, c.lost) << c.line << " -> " << c.newKind;
  }
}

// Fields the new kind does not take go only after one question; a replacement
// that changes no line leaves the document unmarked.
TEST(ReplaceDialog, AsksOnceBeforeFieldsAreLostAndMarksOnlyAChange) {
  const std::vector<std::string> lines = {"0=0,1", "65540=39,1,49", "7=39,0,52", "8=39,0", "9=40,1,"};
  std::vector<std::string> questions;
  bool answer = false;
  const auto confirm = [&](const std::string& question) {
    questions.push_back(question);
    return answer;
  };
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.Objects = lines;
  EXPECT_EQ(ReplaceObjects(doc, 39, 55, confirm), 0);
  EXPECT_EQ(questions, std::vector<std::string>{"2 objetos de tipo 39 tienen datos que el tipo 55 no usa o lee con "
                                                "otro sentido (un enlace, un contenido u otra propiedad): al reemplazarlos se perder\xE1n. "
                                                "\xBF" "Desea reemplazar de todos modos?"});
  EXPECT_EQ(doc.Objects, lines);
  EXPECT_FALSE(doc.Modified);

  answer = true;
  questions.clear();
  EXPECT_EQ(ReplaceObjects(doc, 39, 55, confirm), 3);
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(doc.Objects, (std::vector<std::string>{"0=0,1", "65540=55,1", "7=55,0", "8=55,0", "9=40,1,"}));
  EXPECT_TRUE(doc.Modified);

  questions.clear();
  for (auto [find, replacement] : {std::pair{5, 6}, {40, 40}}) {
    doc.Modified = false;
    ReplaceObjects(doc, find, replacement, confirm);
    EXPECT_FALSE(doc.Modified) << find << " -> " << replacement;
  }
  doc.Objects = {"65540=39,1,49"};
  EXPECT_EQ(ReplaceObjects(doc, 39, 46, confirm), 1);
  EXPECT_EQ(doc.Objects[0], "65540=46,1,49");
  EXPECT_TRUE(questions.empty());
  // A cannon that fires becomes an end card only after the question: its "1"
  // would name the level that follows.
  answer = false;
  doc.Objects = {"0=0,1", "12=227,1,1"};
  EXPECT_EQ(ReplaceObjects(doc, 227, 60, confirm), 0);
  EXPECT_EQ(questions.size(), 1u);
  EXPECT_EQ(doc.Objects[1], "12=227,1,1");
  EXPECT_EQ(ReplaceLossQuestion(1, 4, 22), "Un objeto de tipo 4 tiene datos que el tipo 22 no usa o lee con otro "
                                           "sentido (un enlace, un contenido u otra propiedad): al reemplazarlo se perder\xE1n. \xBF"
                                           "Desea reemplazar de todos modos?");
}

// Kind 0 in the first line is the player's start, which the game never builds:
// a replacement that would give it another kind is refused with a word, and
// changes nothing; kind 0 elsewhere, or another kind in the first line, is
// replaced as any object.
TEST(ReplaceDialog, TheStartIsNotReplacedByAnotherKind) {
  struct Case {
    const char* name;
    std::vector<std::string> objects;
    int find, replacement;
    std::vector<std::string> replaced;  // empty: refused
  };
  const Case cases[] = {
      {"the start by a block", {"0=0,1,", "5=0,1,", "6=40,1,"}, 0, 41, {}},
      {"the start by itself", {"0=0,1,", "6=40,1,"}, 0, 0, {"0=0,1,", "6=40,1,"}},
      {"a kind 0 after another first line", {"0=40,1,", "5=0,1,"}, 0, 41, {"0=40,1,", "5=41,1,"}},
      {"blocks into starts", {"0=0,1,", "5=40,1,"}, 40, 0, {"0=0,1,", "5=0,1,"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDocument doc;
    doc.DocKind = DocLevel;
    doc.Objects = c.objects;
    if (!c.replaced.empty()) {
      ReplaceObjects(doc, c.find, c.replacement, nullptr);
      EXPECT_EQ(doc.Objects, c.replaced);
      continue;
    }
    try {
      ReplaceObjects(doc, c.find, c.replacement, nullptr);
      ADD_FAILURE() << "the start was replaced";
    } catch (const EReplaceStart& e) {
      EXPECT_EQ(ReplaceStartText(e),
                "El tipo 0 es la salida del jugador: el juego empieza en su celda y no construye all\xED ning\xFAn "
                "objeto, as\xED que con el tipo 41 el editor mostrar\xED" "a un objeto que el juego no muestra. No se "
                "reemplaz\xF3 nada. Para mover la salida, col\xF3quela en otra celda con la paleta.");
    }
    EXPECT_EQ(doc.Objects, c.objects);
    EXPECT_FALSE(doc.Modified);
  }
}

TEST(FillDialog, FillsEmptyCellsOrEveryCell) {
  TDocument map;
  map.DocKind = DocWorldMap;
  map.Width = 20;
  map.Height = 13;
  map.Objects = {"0=0,1", std::to_string(CellKey(5, 2)) + "=30,1", std::to_string(CellKey(6, 2)) + "=62,1,"};
  TDocument overwritten = map;

  std::vector<std::pair<int, int>> cells;
  int steps = 0, lastIndex = -1;
  TFillEvents events{[&](int c, int r, int index) {
                       cells.emplace_back(c, r);
                       lastIndex = index;
                     },
                     [&] { ++steps; }};
  EXPECT_EQ(FillObjects(map, 62, false, events), 20 * 13 - 3);
  EXPECT_EQ(steps, 20 * 13);
  EXPECT_EQ(cells.front(), std::make_pair(0, 1));  // column by column; cell (0, 0) holds the start
  EXPECT_EQ(cells[1], std::make_pair(0, 2));
  EXPECT_EQ(lastIndex, int(map.Objects.size()) - 1);
  EXPECT_EQ(map.Objects.back(), std::to_string(CellKey(19, 12)) + "=62,1,");
  EXPECT_TRUE(map.Modified);
  // A fill that finds no empty cell changes nothing.
  map.Modified = false;
  EXPECT_EQ(FillObjects(map, 40, false), 0);
  EXPECT_FALSE(map.Modified);

  // Overwriting puts the fill object in place of another one, so that each cell
  // still holds one line, and leaves the very same line as it is; the first
  // line stays the player's start.
  EXPECT_EQ(FillObjects(overwritten, 62, true), 20 * 13 - 2);
  EXPECT_TRUE(overwritten.Modified);
  ASSERT_EQ(overwritten.Objects.size(), size_t(20 * 13));
  EXPECT_EQ(overwritten.Objects[0], "0=0,1");
  EXPECT_EQ(overwritten.Objects[1], std::to_string(CellKey(5, 2)) + "=62,1,");
  EXPECT_EQ(overwritten.Objects[2], std::to_string(CellKey(6, 2)) + "=62,1,");
}

// A cell is the number its key names: a key written "05" is cell 5, which the
// fill neither gives a second object nor loses the key of. The first line is
// the player's start, whatever the fill.
TEST(FillDialog, FindsCellsByTheNumberOfTheirKeyAndLeavesTheStart) {
  struct Case {
    const char* name;
    std::vector<std::string> objects;
    bool overwrite;
    std::vector<std::string> filled;
  };
  const Case cases[] = {
      {"a key with a leading zero", {"1=0,1,", "05=40,1,"}, false,
       {"1=0,1,", "05=40,1,", "0=41,1,", "2=41,1,", "3=41,1,", "4=41,1,"}},
      {"overwriting it keeps its key", {"1=41,1,", "05=40,1,"}, true,
       {"1=41,1,", "05=41,1,", "0=41,1,", "2=41,1,", "3=41,1,", "4=41,1,"}},
      {"overwriting leaves the start", {"00=0,1,", "2=40,1,7"}, true,
       {"00=0,1,", "2=41,1,", "1=41,1,", "3=41,1,", "4=41,1,", "5=41,1,"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TDocument level;
    level.DocKind = DocLevel;
    level.Width = 6;
    level.Height = 1;
    level.Objects = c.objects;
    FillObjects(level, 41, c.overwrite);
    EXPECT_EQ(level.Objects, c.filled);
  }
}

TEST(FillDialog, LevelVisitsEveryCell) {
  TDocument level;
  level.Width = 128;
  level.Height = 13;
  int steps = 0;
  FillObjects(level, 1, false, {nullptr, [&] { ++steps; }});
  EXPECT_EQ(steps, 1664);
  level.Width = -4;  // a broken size fills nothing
  EXPECT_EQ(FillObjects(level, 1, true), 0);
}

TEST(ColorPopup, ButtonsAndCustomColour) {
  TDocument doc;
  doc.BgColor = 0;
  TfmColorModel::Pick(doc, kColorButtons[14]);
  EXPECT_EQ(doc.BgColor, 16776960);  // aqua
  EXPECT_TRUE(doc.Modified);
  TfmColorModel popup;
  EXPECT_EQ(popup.Custom, 16777215);
  TColor started = -1;
  popup.OnChooseColor = [&](TfmColorModel&, TColor start) -> std::optional<TColor> {
    started = start;
    return 4210752;
  };
  popup.MoreColors();
  EXPECT_EQ(started, 16777215);
  EXPECT_EQ(popup.Custom, 4210752);
  popup.OnChooseColor = [](TfmColorModel&, TColor) -> std::optional<TColor> { return std::nullopt; };
  popup.MoreColors();
  EXPECT_EQ(popup.Custom, 4210752);
}

TEST(PasswordPrompt, ExactPasswordOnly) {
  TfmPasswordModel prompt;
  int errors = 0;
  prompt.OnError = [&](TfmPasswordModel&, const std::string& text, const std::string& title) {
    EXPECT_EQ(text, kPasswordWrong);
    EXPECT_EQ(title, "Error");
    ++errors;
  };
  prompt.edPass = "clave";
  EXPECT_FALSE(prompt.Accept("Clave"));
  EXPECT_EQ(errors, 1);
  EXPECT_EQ(prompt.edPass, "clave");  // the typed text stays
  EXPECT_TRUE(prompt.Accept("clave"));
  EXPECT_EQ(errors, 1);
}
