#include <gtest/gtest.h>

#include "editor/Docs/line_helpers.h"
#include "editor/Docs/number_fields.h"
#include "editor/frmSpriteProp/sprite_prop_model.h"
#include "platform/core/paths.h"
#include "tests/support/scratch_folder.h"

namespace {

// Shows a line, lets the test change the controls, and returns the line written.
template <class Edit>
std::string roundTrip(TDocKind kind, const std::string& line, Edit edit) {
  TSpritePropModel m;
  m.FormShow(kind, line);
  edit(m);
  return m.BuildLine();
}

std::string unchanged(TDocKind kind, const std::string& line) {
  return roundTrip(kind, line, [](TSpritePropModel&) {});
}

}  // namespace

TEST(SpritePropPages, KindsChooseTheirPage) {
  struct Case { TDocKind doc; int kind; TSpritePropPage page; } cases[] = {
      {DocLevel, 16, TSpritePropPage::Pipe},     {DocLevel, 25, TSpritePropPage::Pipe},
      {DocLevel, 238, TSpritePropPage::Pipe},    {DocLevel, 187, TSpritePropPage::None},
      {DocLevel, 39, TSpritePropPage::Quest},    {DocLevel, 55, TSpritePropPage::Jumper},
      {DocLevel, 280, TSpritePropPage::Lava},    {DocLevel, 206, TSpritePropPage::Base},
      {DocLevel, 95, TSpritePropPage::Bomb},     {DocLevel, 331, TSpritePropPage::Canyon},
      {DocLevel, 232, TSpritePropPage::Turvo},   {DocLevel, 180, TSpritePropPage::Box},
      {DocLevel, 203, TSpritePropPage::RotoDisk}, {DocLevel, 355, TSpritePropPage::SPipe},
      {DocLevel, 0, TSpritePropPage::None},      {DocWorldMap, 4, TSpritePropPage::Pipe},
      {DocWorldMap, 99, TSpritePropPage::Pipe},  {DocWorldMap, 22, TSpritePropPage::Hammer},
      {DocWorldMap, 43, TSpritePropPage::KeyLock}, {DocWorldMap, 38, TSpritePropPage::None},
      {DocWorldMap, 39, TSpritePropPage::None},  {DocGame, 16, TSpritePropPage::None},
  };
  for (const Case& c : cases) EXPECT_EQ(SpritePropPageOf(c.doc, c.kind), c.page) << c.doc << " kind " << c.kind;
}

TEST(SpritePropShow, FreshPipeShowsDefaultsAndWritesThemBack) {
  TSpritePropModel m;
  m.FormShow(DocLevel, "65538=16,1,");
  EXPECT_TRUE(m.PageSetVisible);
  EXPECT_EQ(m.edPipeLink, "");
  EXPECT_EQ(m.edPipeIndex, "0");
  EXPECT_EQ(m.cbPipeDir, 0);
  EXPECT_FALSE(m.cbPlant);
  EXPECT_TRUE(m.PlantGroupVisible);
  EXPECT_FALSE(m.cbSBulletVisible);
  EXPECT_EQ(m.BuildLine(), "65538=16,1,,0,0,0");
}

TEST(SpritePropShow, PipeGroupsByKind) {
  TSpritePropModel m;
  m.FormShow(DocLevel, "1=238,1");
  EXPECT_FALSE(m.LinkGroupVisible);
  EXPECT_TRUE(m.PlantGroupVisible);
  m.FormShow(DocLevel, "1=184,1");
  EXPECT_TRUE(m.LinkGroupVisible);
  EXPECT_FALSE(m.PlantGroupVisible);
  m.FormShow(DocLevel, "1=25,1,a.tql,0,2,1,1");
  EXPECT_TRUE(m.cbSBulletVisible);
  EXPECT_TRUE(m.cbSBullet);
  EXPECT_EQ(m.BuildLine(), "1=25,1,a.tql,0,2,1,1");
}

TEST(SpritePropPlant, CodesShowAndComputeBothWays) {
  // Field 3 as stored: the radio, the direction list and the code written back.
  struct Case { const char* code; bool plant; int radio; int dir; int written; } cases[] = {
      {"0", false, 0, -1, 0}, {"1", true, 1, 0, 1}, {"4", true, 1, 3, 4}, {"6", true, 2, 1, 6},
      {"7", true, 2, 2, 7},   {"9", true, 3, 0, 9}, {"10", true, 4, 0, 10},
  };
  for (const Case& c : cases) {
    TSpritePropModel m;
    m.FormShow(DocLevel, std::string("5=17,1,x.tql,") + c.code + ",2,1");
    EXPECT_EQ(m.cbPlant, c.plant) << c.code;
    EXPECT_EQ(m.PlantRadio, c.radio) << c.code;
    EXPECT_EQ(m.cbPlantDir, c.dir) << c.code;
    EXPECT_EQ(m.PlantCode, c.written) << c.code;
    EXPECT_EQ(m.BuildLine(), "5=17,1,x.tql," + std::to_string(c.written) + ",2,1");
  }
}

TEST(SpritePropPlant, ChoosingPlantsByHand) {
  TSpritePropModel m;
  m.FormShow(DocLevel, "5=17,1,");
  m.cbPlantClick(true);
  m.PlantRbClick(1);
  m.cbPlantDirChange(3);
  EXPECT_EQ(m.PlantCode, 4);  // green, left
  m.PlantRbClick(2);
  m.cbPlantDirChange(2);
  EXPECT_EQ(m.PlantCode, 7);  // red, down
  m.PlantRbClick(4);
  EXPECT_EQ(m.PlantCode, 10);  // red with fire, whatever the list shows
  EXPECT_FALSE(m.PlantDirEnabled);
  // No direction chosen: no plant at all, never a green one facing left.
  m.cbPlantDirChange(-1);
  m.PlantRbClick(2);
  EXPECT_EQ(m.PlantCode, 0);
  m.PlantRbClick(1);
  EXPECT_EQ(m.PlantCode, 0);
  m.cbPlantDirChange(1);
  m.cbPlantClick(false);
  EXPECT_EQ(m.PlantCode, 0);
  EXPECT_FALSE(m.PlantControlsEnabled);
}

TEST(SpritePropQuest, ContentsRadios) {
  TSpritePropModel m;
  m.FormShow(DocLevel, "3=39,1,334");
  EXPECT_EQ(m.QuestRadio, 334);
  EXPECT_FALSE(m.Edit1Enabled);
  m.FormShow(DocLevel, "3=39,1,200");
  EXPECT_EQ(m.QuestRadio, kOtherRadio);
  EXPECT_TRUE(m.Edit1Enabled);
  EXPECT_EQ(m.Edit1, "200");
  EXPECT_EQ(m.BuildLine(), "3=39,1,200");
  m.FormShow(DocLevel, "3=39,0");
  EXPECT_EQ(m.QuestRadio, -1);
  m.FormShow(DocLevel, "3=39,1,49");
  m.RadioButtonClick(-1);
  EXPECT_EQ(m.BuildLine(), "3=39,1");
  m.RadioButtonClick(kOtherRadio);
  m.Edit1Change("158x");
  EXPECT_THROW(m.BuildLine(), EConvertError);
}

TEST(SpritePropQuest, PreviewFollowsTheOtherKind) {
  TSpritePropModel m;
  std::vector<std::pair<int, int>> previews;
  m.OnPreviewChange = [&](TSpritePropModel&, int which, int kind) { previews.emplace_back(which, kind); };
  m.FormShow(DocLevel, "3=46,1,51");
  m.RadioButtonClick(kOtherRadio);
  m.Edit1Change("");
  m.FormShow(DocLevel, "3=94,1,-2");
  m.FormShow(DocWorldMap, "3=43,1");
  std::vector<std::pair<int, int>> expected = {{0, 51}, {0, -1}, {1, -1}, {2, 43}};
  EXPECT_EQ(previews, expected);
}

TEST(SpritePropLines, PagesRoundTripAndDefaults) {
  struct Case { TDocKind doc; const char* shown; const char* written; } cases[] = {
      {DocLevel, "7=55,1", "7=55,1,8"},
      {DocLevel, "7=63,1", "7=63,1"},
      {DocLevel, "7=63,1,250", "7=63,1,250"},  // beyond the spinner's -100..100, kept
      {DocLevel, "7=67,1,-3,1,1", "7=67,1,-3,1,1"},
      {DocLevel, "7=67,1", "7=67,1,0,0,0"},
      {DocLevel, "7=94,1", "7=94,1,61"},
      {DocLevel, "7=95,1,120", "7=95,1,120"},
      {DocLevel, "7=97,1,1", "7=97,1,1,0,0"},
      {DocLevel, "7=331,1,0,1,1", "7=331,1,0,1,1"},
      {DocLevel, "7=163,1", "7=163,1,8,1"},
      {DocLevel, "7=232,1,6,3", "7=232,1,6,3"},
      {DocLevel, "7=232,1,6,9", "7=232,1,6,9"},  // no action radio: the action is kept
      {DocLevel, "7=180,1,1", "7=180,1,1,0"},
      {DocLevel, "7=203,1,2,1", "7=203,1,2,1"},
      {DocLevel, "7=203,1,5", "7=203,1,0,0"},
      {DocLevel, "7=355,1,1", "7=355,1,1"},
      // A direction that names no item of its list is kept.
      {DocLevel, "7=16,1,,0,0,7", "7=16,1,,0,0,7"},
      {DocLevel, "7=331,1,1,1,5", "7=331,1,1,1,5"},
      {DocWorldMap, "7=5,1,a.tql,2,-1", "7=5,1,a.tql,2,-1"},
      // Fields that no page offers stay as they were, after the page's own.
      {DocLevel, "7=0,1,junk,more", "7=0,1,junk,more"},
      {DocLevel, "7=227,1,", "7=227,1"},
      {DocLevel, "7=39,1,49,5", "7=39,1,49,5"},
      {DocLevel, "7=39,1,,5", "7=39,1,,5"},
      {DocLevel, "7=63,1,,4", "7=63,1,,4"},
      {DocLevel, "7=16,1,,0,0,0,1", "7=16,1,,0,0,0,1"},
      {DocLevel, "7=25,1,,0,0,0,1,x,", "7=25,1,,0,0,0,1,x"},
      {DocWorldMap, "7=5,1,levels\\a.tql,2,3", "7=5,1,levels\\a.tql,2,3"},
      {DocWorldMap, "7=5,1", "7=5,1,,0,0"},
      {DocWorldMap, "7=23,1,1,w.tqw", "7=23,1,1,w.tqw"},
      {DocWorldMap, "7=43,0", "7=43,0,43"},
      {DocWorldMap, "7=50,1,x", "7=50,1,x"},
      {DocWorldMap, "7=43,1,40,y", "7=43,1,40,y"},
  };
  for (const Case& c : cases) EXPECT_EQ(unchanged(c.doc, c.shown), c.written) << c.shown;
}

// Each page reads every field where the table of object fields places it, and
// writes it back there: a field moved in the table moves in the dialog too.
TEST(SpritePropLines, EveryFieldIsReadAtItsPlaceInTheTable) {
  using F = TObjectField;
  // A value for each field that differs from what the dialog shows when it is absent.
  const std::pair<F, const char*> samples[] = {
      {F::Link, "a.tql"},         {F::PlantCode, "6"},        {F::TargetPipe, "3"},     {F::ExitDirection, "2"},
      {F::PipeBullets, "1"},      {F::ContentsKind, "200"},   {F::JumpSpeed, "12"},     {F::FlameValue, "5"},
      {F::BaseSpeed, "3"},        {F::GoBack, "1"},           {F::StartOnPlayer, "1"},  {F::TurnIntoKind, "-2"},
      {F::ShootOffScreen, "1"},   {F::Flame, "1"},            {F::FlameDirection, "1"}, {F::TurvoSpeed, "6"},
      {F::MoveMode, "3"},         {F::DownOneCell, "1"},      {F::AlwaysShown, "1"},    {F::Disc1Direction, "2"},
      {F::Disc2Direction, "1"},   {F::SPipeBullets, "1"},     {F::HasWanderer, "1"},    {F::WandererLink, "b.tqw"},
      {F::OpensAs, "44"},
  };
  const auto sample = [&](F field) {
    for (const auto& [f, text] : samples)
      if (f == field) return std::string(text);
    ADD_FAILURE() << "no sample for field " << int(field);
    return std::string();
  };
  // One kind of each page.
  const std::pair<TDocKind, int> kinds[] = {
      {DocLevel, 25},  {DocLevel, 39},  {DocLevel, 55},  {DocLevel, 63},  {DocLevel, 67},
      {DocLevel, 94},  {DocLevel, 97},  {DocLevel, 163}, {DocLevel, 180}, {DocLevel, 203},
      {DocLevel, 355}, {DocWorldMap, 4}, {DocWorldMap, 22}, {DocWorldMap, 43},
  };
  for (const auto& [doc, kind] : kinds) {
    const auto fields = ObjectFields(doc, kind);
    ASSERT_FALSE(fields.empty()) << kind;
    for (size_t i = 0; i < fields.size(); ++i) {
      const int place = *FieldPlace(doc, kind, fields[i]);
      EXPECT_EQ(place, int(2 + i));
      // The field alone at its place, the others absent.
      const std::string line = "7=" + std::to_string(kind) + ",1" + std::string(size_t(place - 1), ',') +
                               sample(fields[i]);
      EXPECT_EQ(GetValue(unchanged(doc, line), place), sample(fields[i])) << line;
    }
  }
}

// The cannons without a page fire off screen by their field 2 "1": toggling
// "Animación visible" keeps it.
TEST(SpritePropLines, CannonsWithoutAPageKeepFiringOffScreen) {
  for (const char* kind : {"227", "228", "230", "231", "343", "344"}) {
    const std::string line = std::string("9=") + kind + ",1,1";
    EXPECT_EQ(roundTrip(DocLevel, line, [](TSpritePropModel& m) { m.cbVisible = false; }),
              std::string("9=") + kind + ",0,1");
  }
}

TEST(SpritePropLines, ControlsChangeTheLine) {
  EXPECT_EQ(roundTrip(DocLevel, "9=39,0", [](TSpritePropModel& m) { m.cbVisible = true; }), "9=39,1");
  EXPECT_EQ(roundTrip(DocLevel, "9=63,1", [](TSpritePropModel& m) {
              m.cbFlameClick(true);
              m.edFlame = "-40";
            }), "9=63,1,-40");
  EXPECT_EQ(roundTrip(DocLevel, "9=203,1", [](TSpritePropModel& m) {
              m.RD1Click(true);
              m.RD1rb1Click(2);
              m.RD2Click(true);
              m.RD2rb1Click(1);
              m.RD2Click(false);
            }), "9=203,1,2,0");
  EXPECT_EQ(roundTrip(DocLevel, "9=95,1", [](TSpritePropModel& m) { m.RadioButton2Click(-1); }), "9=95,1,-1");
  EXPECT_EQ(roundTrip(DocLevel, "9=232,1,6,9", [](TSpritePropModel& m) { m.TurvoRbClick(2); }), "9=232,1,6,2");
}

TEST(SpritePropLines, BadInputIsRefused) {
  EXPECT_THROW(roundTrip(DocLevel, "9=55,1", [](TSpritePropModel& m) { m.edJump = "ocho"; }), EConvertError);
  EXPECT_THROW(roundTrip(DocLevel, "9=16,1", [](TSpritePropModel& m) { m.edPipeLink = "a,b.tql"; }),
               std::invalid_argument);
  try {
    roundTrip(DocLevel, "9=16,1", [](TSpritePropModel& m) { m.edPipeIndex = "x1"; });
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'x1' is not a valid integer value");
    EXPECT_EQ(ConvertErrorText(e), "El campo \"\xCDndice:\" debe tener un n\xFAmero entero: \"x1\" no es un n\xFAmero "
                                   "entero v\xE1lido.");
  }
}

TEST(SpritePropConfirm, LineKeepsItsPlace) {
  TDocument doc;
  doc.DocKind = DocWorldMap;
  doc.Objects = {"0=1,1", "65537=60,0", "2=3,1"};
  TSpritePropModel m;
  m.FormShow(doc.DocKind, doc.Objects[1]);
  ConfirmSpriteProp(m, doc, 1);
  EXPECT_EQ(doc.Objects, (std::vector<std::string>{"0=1,1", "65537=60,0", "2=3,1"}));
  EXPECT_TRUE(doc.Modified);
  doc.Modified = false;
  m.edPipeIndex = "q";
  m.FormShow(DocLevel, "2=55,1");
  m.edJump = "q";
  EXPECT_THROW(ConfirmSpriteProp(m, doc, 2), EConvertError);
  EXPECT_THROW(ConfirmSpriteProp(m, doc, 3), std::out_of_range);
  EXPECT_EQ(doc.Objects.size(), 3u);
  EXPECT_FALSE(doc.Modified);
}

TEST(SpritePropBrowse, LinksRelativeToTheProgramFolder) {
  TSpritePropModel m;
  m.ProgramFolder = "/opt/hopz/";
  m.OnBrowseLink = [](TSpritePropModel&, const std::string& start) -> std::optional<std::string> {
    if (start == "cancel") return std::nullopt;
    return start == "out" ? "/home/me/x.tql" : "/OPT/Hopz/levels/a.tql";
  };
  m.SpeedButton1Click();
  EXPECT_EQ(m.edPipeLink, "levels\\a.tql");
  m.edHammer = "out";
  m.SpeedButton2Click();
  EXPECT_EQ(m.edHammer, "/home/me/x.tql");
  m.edHammer = "cancel";
  m.SpeedButton2Click();
  EXPECT_EQ(m.edHammer, "cancel");
}

// The disk's names are not the file's text: a program folder in any letters
// still gives a relative link, and a file whose link Windows-1252 cannot hold
// leaves the field as it was, with the failure for the dialog to report.
TEST(SpritePropBrowse, LinksAreWindows1252TextOrRefused) {
  TSpritePropModel m;
  m.ProgramFolder = "/home/\u0430\u043d\u044f/Hopz/";
  m.OnBrowseLink = [](TSpritePropModel&, const std::string& start) -> std::optional<std::filesystem::path> {
    return start == "ru" ? "/home/\u0430\u043d\u044f/Hopz/levels/\u0434\u043e\u043c.tql"
                         : "/home/\u0430\u043d\u044f/Hopz/levels/ni\u00f1o.tql";
  };
  m.SpeedButton1Click();
  EXPECT_EQ(m.edPipeLink, "levels\\ni\xF1o.tql");
  m.edHammer = "ru";
  EXPECT_THROW(m.SpeedButton2Click(), platform::EUnstorableLink);
  EXPECT_EQ(m.edHammer, "ru");
}

// The browse dialog opens at the linked file, stored with '\\' and in any
// letter case, as the game finds it under the program folder.
TEST(SpritePropBrowse, StartsAtTheLinkedFile) {
  ScratchFolder folder("sprite_prop_browse");
  std::filesystem::create_directories(folder.path() / "levels");
  const std::string level = folder.put("levels/1-2.tql", "[Options]\r\n");
  const std::string program = folder.path().string() + "/";
  const std::pair<const char*, std::string> cases[] = {
      {"", program},
      {"levels\\1-2.tql", level},
      {"LEVELS\\1-2.TQL", level},
      {"/elsewhere/x.tql", "/elsewhere/x.tql"},
  };
  for (const auto& [link, start] : cases) EXPECT_EQ(TSpritePropModel::BrowseStart(link, program), start) << link;
}

TEST(NumberFields, StrToInt) {
  EXPECT_EQ(StrToInt(" -12 "), -12);
  EXPECT_EQ(StrToInt("$1F"), 31);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
  EXPECT_EQ(StrToInt("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "-", "2147483648", "1 2", "0x10", "+"})
    EXPECT_FALSE(TryStrToInt(bad)) << bad;
}
