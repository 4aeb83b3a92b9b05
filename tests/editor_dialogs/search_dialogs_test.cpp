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

TEST(ReplaceDialog, ReplacedLinesLoseTheirFields) {
  TDocument doc;
  doc.Objects = {"0=0,1", "65540=39,1,49", "7=46,0,52", "8=39,0"};
  TfmReplaceModel replace;
  replace.Prepare(&doc.Objects[1]);
  EXPECT_EQ(replace.FindKind.Kind, 39);
  EXPECT_EQ(replace.NewKind.Kind, 39);
  EXPECT_EQ(ReplaceObjects(doc, 39, 46), 2);
  EXPECT_EQ(doc.Objects, (std::vector<std::string>{"0=0,1", "65540=46,1,", "7=46,0,52", "8=46,1,"}));
  EXPECT_TRUE(doc.Modified);

  TDocument none;
  none.Objects = {"0=0,1"};
  EXPECT_EQ(ReplaceObjects(none, 5, 6), 0);
  EXPECT_TRUE(none.Modified);  // any object list counts as changed
  TDocument empty;
  ReplaceObjects(empty, 5, 6);
  EXPECT_FALSE(empty.Modified);
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
  // still holds one line, and leaves the very same line as it is.
  EXPECT_EQ(FillObjects(overwritten, 62, true), 20 * 13 - 1);
  EXPECT_TRUE(overwritten.Modified);
  ASSERT_EQ(overwritten.Objects.size(), size_t(20 * 13));
  EXPECT_EQ(overwritten.Objects[0], "0=62,1,");
  EXPECT_EQ(overwritten.Objects[1], std::to_string(CellKey(5, 2)) + "=62,1,");
  EXPECT_EQ(overwritten.Objects[2], std::to_string(CellKey(6, 2)) + "=62,1,");
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
