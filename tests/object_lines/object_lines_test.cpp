#include <gtest/gtest.h>

#include <string>

#include "editor/Docs/document_io.h"
#include "editor/frmFind/find_model.h"
#include "game/ObjectLine/object_line.h"
#include "tests/editor_document/document_fixture.h"
#include "tests/level_runs/level_fixture.h"

namespace {

TEST(ObjectLineKeys, EveryFormOfAKeyNamesOneCell) {
  struct Case { const char* key; bool cell; int column, row; } cases[] = {
      {"0", true, 0, 0},          {"65541", true, 5, 1},      {"0x10005", true, 5, 1}, {"0X10005", true, 5, 1},
      {"$10005", true, 5, 1},     {"+65541", true, 5, 1},     {"  65541", true, 5, 1}, {"-1", true, 65535, 65535},
      {"0xFFFFFFFF", true, 65535, 65535}, {"x", false, 0, 0}, {"", false, 0, 0},      {"65541 ", false, 0, 0},
      {"0x", false, 0, 0},        {"99999999999", false, 0, 0}, {"\"65541\"", false, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    const std::optional<TObjectCell> cell = CellOfKey(c.key);
    ASSERT_EQ(cell.has_value(), c.cell);
    if (!cell) continue;
    EXPECT_EQ(cell->column, c.column);
    EXPECT_EQ(cell->row, c.row);
  }
  EXPECT_EQ(ObjectFieldNumber("1=5,x,7,", 2, -1), 7);
  EXPECT_EQ(ObjectFieldNumber("1=5,x,7,", 1, -1), -1);
  EXPECT_EQ(ObjectFieldNumber("1=5,x,7,", 3, -1), -1);
  EXPECT_EQ(ObjectFieldNumber("1=5,0x10,+3", 1, -1), 16);
  EXPECT_EQ(KindOfObjectLine("1=$2E,1"), 46);
}

using ObjectLinesTest = LevelFixture;

// A line that a hand-edited file holds is built by the game and drawn by the
// editor in one cell and as one kind, however its numbers are written and with
// its value in quotes.
TEST_F(ObjectLinesTest, TheGameAndTheEditorPlaceALineInOneCell) {
  struct Case { const char* line; int column, row, kind; } cases[] = {
      {"0x10005=46,1,", 5, 1, 46},
      {"131078=\"46,1,\"", 6, 2, 46},
      {"$30007='40,0'", 7, 3, 40},
      {"+262152=0x29,1", 8, 4, 41},
  };
  std::string text = "[Options]\r\nImageLib=sprites\\game.iml\r\nWidth=40\r\nHeight=20\r\n[Sprites]\r\n0=0,1,\r\n";
  for (const Case& c : cases) text += std::string(c.line) + "\r\n";
  const std::string file = writeLevel("level.tql", text);

  run_->StartLevel(file);
  ASSERT_EQ(count(), 39 + int(std::size(cases)));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].line);
    TGKSprite& s = sprite(39 + int(i));
    EXPECT_EQ(s.GetX(), cases[i].column * 16);
    EXPECT_EQ(s.GetY(), cases[i].row * 16);
    EXPECT_EQ(s.Animation, cases[i].kind);
  }

  TRecordingChildHost host;
  TChildView view{host, "/nonexistent/", 1};
  view.Doc = LoadDocument(file);
  view.BuildKindTable(DocLevel);
  view.DXImages.SetImages(fixtureImages());
  ASSERT_NO_THROW(view.Render());
  ASSERT_EQ(view.Doc.Objects.size(), 1 + std::size(cases));
  for (size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(cases[i].line);
    const std::string& line = view.Doc.Objects[1 + i];
    const platform::TRect drawn = view.HitRect(line);
    EXPECT_EQ(drawn.Left, cases[i].column * 16);
    EXPECT_EQ(drawn.Top, cases[i].row * 16);
    EXPECT_EQ(KindOfLine(line), cases[i].kind);  // as Find, Replace and Fill see it
  }
}

// The game does not take a key that names no cell for the start's cell: the
// line keeps its place among the sprites, switched off, as the editor shows no
// object for it.
TEST_F(ObjectLinesTest, AKeyThatNamesNoCellKeepsItsPlaceSwitchedOff) {
  run_->StartLevel(writeLevel("level.tql", "[Options]\r\nImageLib=sprites\\game.iml\r\nWidth=40\r\nHeight=20\r\n"
                                           "[Sprites]\r\n65538=0,1,\r\ncasa=46,1,\r\n65541=41,1\r\n"));
  ASSERT_EQ(count(), 39 + 2);
  EXPECT_FALSE(sprite(39).Enabled);
  EXPECT_FALSE(sprite(39).Visible);
  EXPECT_EQ(sprite(40).Animation, 41);
  EXPECT_EQ(sprite(40).GetX(), 5 * 16);
}

}  // namespace
