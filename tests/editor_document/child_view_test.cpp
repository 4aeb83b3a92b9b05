#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <unistd.h>

#include "platform/core/bitmap.h"
#include "tests/editor_document/document_fixture.h"

using platform::TPoint;
using platform::TRect;

namespace {

class ChildViewTest : public ::testing::Test, public DocumentFixture {};

TEST_F(ChildViewTest, ArmedKindIsPlacedOnceThenSelectedByHitTest) {
  makeLevel();
  view.Doc.Objects = {"0=0,1,"};
  view.ArmKind(40);
  view.MouseDown(mbLeft, mid(3), mid(2));
  ASSERT_EQ(view.Doc.Objects.size(), 2u);
  EXPECT_EQ(view.Doc.Objects[1], "131075=40,1,");
  EXPECT_EQ(view.SelectedIndex, 1);
  EXPECT_TRUE(view.Doc.Modified);
  // The armed kind's image is on the level at once, at the cell's corner.
  EXPECT_EQ(view.LevelBitmap.PixelColor(3 * 16, 2 * 16), platform::RGB(57, 198, 100));

  view.SelectedIndex = -1;
  view.MouseDown(mbLeft, mid(3) + 3, mid(2) - 3);
  EXPECT_EQ(view.Doc.Objects.size(), 2u);
  EXPECT_EQ(view.SelectedIndex, 1);
  EXPECT_EQ(host.panels[1], "\xCDndice: 1 (2 objetos)");
  EXPECT_EQ(host.panels[2], "Animaci\xF3n: 40 (img56)");
}

// A cell holds one object, as the file and the game do: an armed kind is not
// put into a cell that holds another object, by a click or a drag; the click
// selects what is there and the status bar says why nothing was placed.
TEST_F(ChildViewTest, AnOccupiedCellKeepsItsObject) {
  makeLevel(16, 8, {"0=0,1,", "131075=41,1,"});
  for (int kind : {40, 0}) {
    SCOPED_TRACE(kind);
    view.ArmKind(kind);
    host.panels[0] = "Listo";
    view.MouseDown(mbLeft, mid(3), mid(2));
    EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"0=0,1,", "131075=41,1,"}));
    EXPECT_EQ(view.SelectedIndex, 1);
    EXPECT_EQ(host.panels[0], "Celda ocupada");
    EXPECT_EQ(host.panels[2], "Animaci\xF3n: 41 (img57)");
    EXPECT_FALSE(view.Doc.Modified);
  }
  // A drag across the row places into the free cells only.
  view.ArmKind(40);
  for (int column = 2; column <= 4; ++column) view.MouseMove(true, mid(column), mid(2));
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"0=0,1,", "131075=41,1,", "131074=40,1,", "131076=40,1,"}));
  EXPECT_EQ(host.panels[0], "Listo");
  view.MouseMove(true, mid(3), mid(2));
  EXPECT_EQ(host.panels[0], "Celda ocupada");
  EXPECT_EQ(view.Doc.Objects.size(), 4u);
}

TEST_F(ChildViewTest, PlayerStartGoesFirst) {
  makeLevel(16, 8, {"1=40,1,", "2=41,1,"});
  view.ArmKind(0);
  view.MouseDown(mbLeft, mid(5), mid(5));
  ASSERT_EQ(view.Doc.Objects.size(), 3u);
  EXPECT_EQ(view.Doc.Objects[0], "327685=0,1,");
  EXPECT_EQ(view.SelectedIndex, 0);
}

TEST_F(ChildViewTest, DraggingPlacesOneObjectPerNewCellInsideThePaintBoxOnly) {
  makeLevel();
  view.ArmKind(40);
  for (int column = 0; column < 5; ++column) view.MouseMove(true, mid(column), mid(1));
  EXPECT_EQ(view.Doc.Objects.size(), 5u);
  for (int column = 4; column >= 0; --column) view.MouseMove(true, mid(column), mid(1));
  EXPECT_EQ(view.Doc.Objects.size(), 5u);
  // Moves without the left button, and a held drag past the paint box's edges.
  view.MouseMove(false, mid(7), mid(7));
  view.MouseMove(true, -5, mid(3));
  view.MouseMove(true, mid(3), -1);
  view.MouseMove(true, view.PbWidth, mid(3));
  view.MouseMove(true, mid(3), view.PbHeight + 20);
  EXPECT_EQ(view.Doc.Objects.size(), 5u);
  EXPECT_GT(host.hintsHidden, 0);
  view.Disarm();
  view.MouseMove(true, mid(9), mid(1));
  EXPECT_EQ(view.Doc.Objects.size(), 5u);
}

TEST_F(ChildViewTest, CellOfPointFollowsZoom) {
  makeLevel();
  view.SetZoom(2.0);
  EXPECT_EQ(view.CellOfPoint(70, 40), (TPoint{2, 1}));
  view.SetZoom(0.5);
  EXPECT_EQ(view.CellOfPoint(70, 40), (TPoint{8, 5}));
}

TEST_F(ChildViewTest, HitTestPrefersTheLaterLineAndFollowsTheImage) {
  // Kind 41 shows a 32 x 32 image: it covers cells (1..2, 1..2).
  makeLevel(16, 8, {"65537=41,1,", "131074=40,1,"});
  view.MouseDown(mbLeft, mid(2), mid(2));
  EXPECT_EQ(view.SelectedIndex, 1);
  view.MouseDown(mbLeft, mid(2), mid(1));
  EXPECT_EQ(view.SelectedIndex, 0);  // outside the big object's own cell
  view.MouseDown(mbLeft, mid(6), mid(6));
  EXPECT_EQ(view.SelectedIndex, -1);
  EXPECT_EQ(host.panels[1], "2 objetos");
  EXPECT_EQ(host.panels[2], "");
  view.SetZoom(2.0);
  EXPECT_EQ(view.HitRect(view.Doc.Objects[0]), (TRect{32, 32, 96, 96}));
}

TEST_F(ChildViewTest, FarCellsOfLargeCellsAtTheHighestZoomHitTestWithoutOverflow) {
  // 8192-pixel cells at 400 %: column or row 65535 begins at 2147450880, and a
  // cell-sized image (the library lacks the kind's own) ends beyond int.
  makeLevel(16, 8, {"65535=40,1,", "$FFFF0000=40,1,", "0=40,1,"});
  view.DXImages.SetImages(TGKImages{});
  view.Doc.ResFactor = 8192;
  view.SetZoom(4.0);
  EXPECT_EQ(view.HitRect(view.Doc.Objects[0]), (TRect{2147450880, 0, INT_MAX, 32768}));
  EXPECT_EQ(view.HitRect(view.Doc.Objects[1]), (TRect{0, 2147450880, 32768, INT_MAX}));
  view.MouseDown(mbLeft, 100, 100);
  EXPECT_EQ(view.SelectedIndex, 2);
}

TEST_F(ChildViewTest, ReorderingKeepsTheFirstLineFirstAndIsAChangeToSave) {
  const std::vector<std::string> lines = {"0=0,1,", "1=40,1,", "2=40,1,", "3=40,1,", "4=40,1,", "5=40,1,"};
  makeLevel(16, 8, lines);
  view.SelectedIndex = 5;
  view.SendToBack();
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"0=0,1,", "5=40,1,", "1=40,1,", "2=40,1,", "3=40,1,", "4=40,1,"}));
  EXPECT_EQ(view.SelectedIndex, -1);
  EXPECT_TRUE(view.Doc.Modified);  // the file keeps the drawing order

  // Moves that leave the order as it was change nothing: the start line, the
  // line already second, the line already last, and no selection at all.
  view.Doc.Modified = false;
  const std::vector<std::string> before = view.Doc.Objects;
  for (int index : {0, 1}) {
    view.SelectedIndex = index;
    view.SendToBack();
  }
  view.SelectedIndex = 5;
  view.BringToFront();
  view.BringToFront();
  view.SendToBack();
  view.DeleteSelected();
  EXPECT_EQ(view.Doc.Objects, before);
  EXPECT_FALSE(view.Doc.Modified);

  view.SelectedIndex = 1;
  view.BringToFront();
  EXPECT_EQ(view.Doc.Objects.back(), "5=40,1,");
  EXPECT_EQ(view.Doc.Objects.size(), lines.size());
  EXPECT_TRUE(view.Doc.Modified);
}

// The game takes the first line as the player's start: bringing it to the
// front would start the player in another object's cell and drop that object.
TEST_F(ChildViewTest, BringingTheStartToTheFrontLeavesItFirst) {
  const std::vector<std::string> lines = {"0=0,1,", "1=40,1,", "2=41,1,"};
  makeLevel(16, 8, lines);
  view.SelectedIndex = 0;
  view.BringToFront();
  EXPECT_EQ(view.Doc.Objects, lines);
  EXPECT_FALSE(view.Doc.Modified);
}

// After every command that changes the list or clears the selection, the
// status bar counts what the grid holds and names no selection.
TEST_F(ChildViewTest, DeleteAllAndTheReordersUpdateTheStatusBar) {
  struct Case {
    const char* name;
    void (TChildView::*command)();
    const char* count;
  };
  const Case cases[] = {
      {"Eliminar todos", &TChildView::DeleteAll, "0 objetos"},
      {"Traer al frente", &TChildView::BringToFront, "3 objetos"},
      {"Enviar al fondo", &TChildView::SendToBack, "3 objetos"},
  };
  for (const Case& c : cases) {
    makeLevel(16, 8, {"0=0,1,", "1=40,1,", "2=41,1,"});
    view.SelectedIndex = 2;
    view.UpdateStatus();
    ASSERT_EQ(host.panels[1], "\xCDndice: 2 (3 objetos)") << c.name;
    ASSERT_NE(host.panels[2], "") << c.name;
    (view.*c.command)();
    EXPECT_EQ(host.panels[1], c.count) << c.name;
    EXPECT_EQ(host.panels[2], "") << c.name;
  }
}

TEST_F(ChildViewTest, GridLinesAreInvertedAndCrossingsShowThePicture) {
  makeLevel(128, 13);
  view.GridVisible = true;
  platform::GdiBitmap painted;
  view.PaintPb(painted);
  const uint32_t bg = platform::colorToPixel32(platform::TColor(view.Doc.BgColor));
  const uint32_t inverted = bg ^ 0xFFFFFF;
  int vertical = 0, horizontal = 0;
  for (int x = 0; x < painted.Width(); ++x) vertical += painted.Pixel32(x, 5) == inverted;
  for (int y = 0; y < painted.Height(); ++y) horizontal += painted.Pixel32(5, y) == inverted;
  // Lines 128 and 13 lie just past the bitmap's right and bottom edges.
  EXPECT_EQ(vertical, 128);
  EXPECT_EQ(horizontal, 13);
  EXPECT_EQ(painted.Pixel32(16, 16), bg);
  EXPECT_EQ(painted.Pixel32(17, 17), bg);
}

// A part of the paint box is painted exactly as that part of the whole picture,
// with the grid and the selection, at any zoom.
TEST_F(ChildViewTest, APartOfThePaintBoxIsPaintedAsThatPartOfTheWhole) {
  makeLevel(12, 6, {"65537=40,1,", "131077=41,1,"});
  view.GridVisible = true;
  for (double zoom : {1.0, 1.5, 4.0}) {
    view.SetZoom(zoom);
    view.MouseDown(mbLeft, int(zoom * mid(1)), int(zoom * mid(1)));
    ASSERT_EQ(view.SelectedIndex, 0);
    platform::GdiBitmap whole;
    view.PaintPb(whole);
    const TRect clips[] = {{0, 0, 7, 5}, {13, 9, 61, 44}, {view.PbWidth - 9, view.PbHeight - 3, view.PbWidth + 50, view.PbHeight}};
    for (const TRect& clip : clips) {
      SCOPED_TRACE(testing::Message() << "zoom " << zoom << " clip " << clip.Left << "," << clip.Top);
      platform::GdiBitmap part;
      view.PaintPb(part, clip);
      const int w = std::min(clip.Right, view.PbWidth) - clip.Left, h = std::min(clip.Bottom, view.PbHeight) - clip.Top;
      ASSERT_EQ(part.Width(), w);
      ASSERT_EQ(part.Height(), h);
      int differing = 0;
      for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) differing += part.Pixel32(x, y) != whole.Pixel32(clip.Left + x, clip.Top + y);
      EXPECT_EQ(differing, 0);
    }
  }
  platform::GdiBitmap outside;
  view.PaintPb(outside, {view.PbWidth + 1, 0, view.PbWidth + 9, 9});
  EXPECT_TRUE(outside.Empty());
}

TEST_F(ChildViewTest, SelectionIsInvertedOnThePaintBox) {
  makeLevel(4, 4, {"65537=40,1,"});
  view.MouseDown(mbLeft, mid(1), mid(1));
  platform::GdiBitmap painted;
  view.PaintPb(painted);
  const uint32_t drawn = platform::colorToPixel32(platform::RGB(57, 198, 100));
  EXPECT_EQ(painted.Pixel32(20, 20), drawn ^ 0xFFFFFF);
  EXPECT_EQ(painted.Pixel32(40, 20), platform::colorToPixel32(platform::TColor(view.Doc.BgColor)));
}

TEST_F(ChildViewTest, ZoomPlacesThePaintBoxAndRulers) {
  makeLevel(10, 5);
  view.SetZoom(1.5);
  EXPECT_FALSE(view.RulersVisible);
  EXPECT_EQ(view.PbPos, (TPoint{0, 0}));
  EXPECT_EQ(view.PbWidth, 240);
  EXPECT_EQ(view.PbHeight, 120);
  EXPECT_EQ(view.ZoomItem(), 3);
  view.SetZoom(1.0);
  EXPECT_TRUE(view.RulersVisible);
  EXPECT_EQ(view.PbPos, (TPoint{20, 20}));
  EXPECT_EQ(view.PbWidth, 160);
}

TEST_F(ChildViewTest, DeleteErasesTheObjectsRectangle) {
  makeLevel(8, 8, {"65537=41,1,", "65538=40,1,"});
  view.MouseDown(mbLeft, mid(1), mid(1));
  ASSERT_EQ(view.SelectedIndex, 0);
  view.DeleteSelected();
  EXPECT_EQ(view.Doc.Objects, (std::vector<std::string>{"65538=40,1,"}));
  EXPECT_TRUE(view.Doc.Modified);
  EXPECT_EQ(view.SelectedIndex, -1);
  EXPECT_EQ(host.panels[1], "1 objeto");
  EXPECT_EQ(host.panels[2], "");
  // The overlapped object stays erased until the next rendering.
  const platform::TColor bg = platform::TColor(view.Doc.BgColor);
  EXPECT_EQ(view.LevelBitmap.PixelColor(2 * 16 + 4, 16 + 4), bg);
  view.Render();
  EXPECT_NE(view.LevelBitmap.PixelColor(2 * 16 + 4, 16 + 4), bg);
}

struct DeleteAllCase {
  TDocKind kind;
  bool answer;
  const char* question;
};

TEST_F(ChildViewTest, DeleteAllAsksByKindAndIsAChangeToSave) {
  const DeleteAllCase cases[] = {
      {DocLevel, false, "\xBF" "Confirma que desea eliminar todos los objetos del nivel \"uno.tql\"?"},
      {DocLevel, true, "\xBF" "Confirma que desea eliminar todos los objetos del nivel \"uno.tql\"?"},
      {DocWorldMap, true, "\xBF" "Confirma que desea eliminar todos los objetos del mundo \"uno.tql\"?"},
  };
  for (const DeleteAllCase& c : cases) {
    makeLevel(8, 8, {"1=40,1,", "2=40,1,"});
    view.Doc.DocKind = c.kind;
    view.Doc.FileName = "/some/folder/uno.tql";
    host.confirmAnswer = c.answer;
    host.questions.clear();
    view.DeleteAll();
    ASSERT_EQ(host.questions.size(), 1u);
    EXPECT_EQ(host.questions[0], c.question);
    EXPECT_EQ(view.Doc.Objects.empty(), c.answer);
    EXPECT_EQ(view.Doc.Modified, c.answer);
    view.Doc.Modified = false;
  }
  // An empty list loses nothing.
  host.confirmAnswer = true;
  view.DeleteAll();
  EXPECT_FALSE(view.Doc.Modified);
}

TEST_F(ChildViewTest, BadLinesStopRenderingAtTheLineAfterDrawingTheOnesBefore) {
  view.Doc.DocKind = DocLevel;
  view.Doc.Width = 8;
  view.Doc.Height = 8;
  view.BuildKindTable(DocLevel);
  view.DXImages.SetImages(fixtureImages());
  view.Doc.Objects = {"0=40,1,", "1=364,1,"};
  try {
    view.Render();
    FAIL() << "kind 364 was drawn";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "List index out of bounds (364)");
  }
  EXPECT_EQ(view.LevelBitmap.PixelColor(0, 0), platform::RGB(57, 198, 100));
  EXPECT_FALSE(host.progressShown);
  EXPECT_EQ(host.panels[0], "Listo");

  view.Doc.Objects = {"x1=40,1,"};
  EXPECT_THROW(view.Render(), EConvertError);
  view.Doc.Objects = {"1=,1,"};
  try {
    view.Render();
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'' is not a valid integer value");
  }
  // A world map's table ends at kind 99.
  view.BuildKindTable(DocWorldMap);
  view.Doc.Objects = {"1=100,1,"};
  EXPECT_THROW(view.Render(), std::out_of_range);
}

TEST_F(ChildViewTest, ObjectsWithoutALibraryImageAreHitAsACell) {
  makeLevel(8, 8, {"65537=40,1,"});
  view.DXImages.SetImages(TGKImages());
  view.Render();
  view.MouseDown(mbLeft, mid(1), mid(1));
  EXPECT_EQ(view.SelectedIndex, 0);
  EXPECT_EQ(host.panels[2], "Animaci\xF3n: 40 ()");
}

TEST_F(ChildViewTest, SizesThatCannotBeDrawnAreRefused) {
  const std::tuple<int, int, int> sizes[] = {{70000, 13, 16}, {128, 40000, 16}, {60000, 30000, 16}};
  for (auto [w, h, rf] : sizes) {
    view.Doc.Width = w;
    view.Doc.Height = h;
    view.Doc.ResFactor = rf;
    EXPECT_THROW(view.Render(), ELevelSize);
    EXPECT_FALSE(host.progressShown);
  }
  // Negative sizes draw an empty level.
  view.Doc.Width = -3;
  view.Doc.Height = 13;
  view.Doc.ResFactor = 16;
  view.Render();
  EXPECT_TRUE(view.LevelBitmap.Empty());
  view.MouseDown(mbLeft, 0, 0);
  EXPECT_TRUE(view.Doc.Objects.empty());
}

TEST_F(ChildViewTest, BackgroundPictureIsStretchedAndRestoresDeletedObjects) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / ("editor_document_bg_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  platform::Bitmap picture(2, 1, 24);
  picture.pixels = {255, 0, 0, 0, 0, 255};  // red, blue
  platform::writeBmp(dir / "bg.bmp", picture);
  view.Doc.BgImage = (dir / "bg.bmp").string();
  makeLevel(8, 2, {"3=40,1,"});
  EXPECT_TRUE(view.HasBackBitmap);
  EXPECT_EQ(view.LevelBitmap.PixelColor(0, 0), platform::RGB(255, 0, 0));
  EXPECT_EQ(view.LevelBitmap.PixelColor(127, 31), platform::RGB(0, 0, 255));
  view.MouseDown(mbLeft, mid(3), mid(0));
  view.DeleteSelected();
  EXPECT_EQ(view.LevelBitmap.PixelColor(3 * 16 + 2, 2), platform::RGB(255, 0, 0));

  view.Doc.BgImage = (dir / "missing.bmp").string();
  view.Render();
  EXPECT_FALSE(view.HasBackBitmap);
  EXPECT_EQ(view.LevelBitmap.PixelColor(0, 0), platform::TColor(view.Doc.BgColor));
  std::filesystem::remove_all(dir);
}

struct IntCase {
  const char* text;
  bool valid;
  int value;
};

TEST(ObjectLineNumber, DecimalAndHexadecimal) {
  const IntCase cases[] = {
      {"131075", true, 131075}, {"-7", true, -7},   {"  12", true, 12},     {"0x1F", true, 31},
      {"$ff", true, 255},       {"0xFFFFFFFF", true, -1}, {"", false, 0},   {"12 ", false, 0},
      {"1a", false, 0},         {"0x", false, 0},   {"99999999999", false, 0}, {"-", false, 0},
  };
  for (const IntCase& c : cases) {
    if (c.valid) {
      EXPECT_EQ(ObjectLineNumber(c.text), c.value) << c.text;
    } else {
      EXPECT_THROW(ObjectLineNumber(c.text), EConvertError) << c.text;
    }
  }
}

TEST(TextView, RunsColourTheHeadsAndValues) {
  const std::string shown = TextViewText("[Options]\r\nTime=300\r\nEmpty=\r\n[Sprites]\r\n0=0,1,");
  EXPECT_EQ(shown, "[Options]\nTime=300\nEmpty=\n[Sprites]\n0=0,1,");
  const std::vector<TTextRun> runs = TextViewRuns(shown);
  const std::vector<TTextRun> expected = {
      {0, 9, kTextHeadColor}, {26, 9, kTextHeadColor}, {15, 3, kTextValueColor}, {38, 4, kTextValueColor}};
  EXPECT_EQ(runs, expected);
  EXPECT_TRUE(TextViewRuns("").empty());
  EXPECT_EQ(TextViewRuns("[Opt"), (std::vector<TTextRun>{{0, 4, kTextHeadColor}}));
}

}  // namespace
