#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "editor/frmLevelProp/level_prop_model.h"
#include "editor/Docs/number_fields.h"
#include "tests/support/scratch_folder.h"

namespace {

TLevelPropModel shown(int tag, const TDocument* doc = nullptr, TNewLevelSettings settings = {}) {
  TLevelPropModel m;
  m.Tag = tag;
  m.FormShow(doc, settings);
  return m;
}

}  // namespace

TEST(LevelPropShow, NewLevelAndNewMap) {
  TNewLevelSettings settings{"bitmaps\\sky.bmp", "sprites\\forest.iml", "sounds\\a.sdl", "music\\x.mid"};
  TLevelPropModel level = shown(kModeNewLevel, nullptr, settings);
  EXPECT_EQ(level.Caption, "Nuevo nivel");
  EXPECT_EQ(level.Panel4Top, 8);
  EXPECT_EQ(level.Edit7, "sprites\\forest.iml");
  EXPECT_EQ(level.Edit6, "bitmaps\\sky.bmp");
  EXPECT_EQ(level.Edit3 + "x" + level.Edit4, "128x13");
  EXPECT_EQ(level.Colors[0], 16776960);
  EXPECT_FALSE(level.RainFieldsEnabled);

  TLevelPropModel map = shown(kModeNewMap, nullptr, settings);
  EXPECT_EQ(map.Caption, "Nuevo mapa");
  EXPECT_EQ(map.Panel4Top, 60);
  EXPECT_EQ(map.Edit1, "WORLD 1");
  EXPECT_EQ(map.edShortName, "1");
  EXPECT_EQ(map.Edit3 + "x" + map.Edit4, "20x13");
  EXPECT_EQ(map.Edit10, "music\\map\\world 1.mid");
  EXPECT_EQ(map.Edit7, "sprites\\map.iml");
  EXPECT_EQ(map.Edit9, "sounds\\a.sdl");
  EXPECT_EQ(map.Edit6, "");
  EXPECT_EQ(map.Colors[0], kMapBgColor);
  map.SetDefaultColor(0);
  EXPECT_EQ(map.Colors[0], 16776960);
}

TEST(LevelPropShow, PropertiesRoundTripUnchanged) {
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.Name = "Cueva";
  doc.PaletteFX = 5;
  doc.Rain = true;
  doc.RainDensity = 500;
  doc.Ice2Color = 123;
  doc.AutoScrollX = -3;
  doc.Password = "Clave";
  doc.Objects = {"0=0,1"};
  TLevelPropModel m = shown(kModeProperties, &doc);
  EXPECT_EQ(m.Caption, "Propiedades del nivel");
  EXPECT_EQ(m.PaletteFX, 5);
  EXPECT_STREQ(kPaletteFXCaptions[m.PaletteFX], "Tinte rojo");
  EXPECT_TRUE(m.RainFieldsEnabled);
  // The document's own password in both fields: an untouched "Aceptar" keeps it.
  EXPECT_EQ(m.edPass, "Clave");
  EXPECT_EQ(m.edConfPass, "Clave");
  ASSERT_TRUE(m.CheckConfirm());
  TDocument out = doc;
  m.ApplyTo(out);
  EXPECT_FALSE(out.Modified);  // confirmed as shown: nothing to save
  EXPECT_EQ(out.PaletteFX, 5);
  EXPECT_EQ(out.Name, "Cueva");
  EXPECT_EQ(out.Ice2Color, 123);
  EXPECT_EQ(out.AutoScrollX, -3);
  EXPECT_EQ(out.RainDensity, 500);
  EXPECT_EQ(out.Objects, doc.Objects);
  // Any one value changed is a change of the document; one changed before stays one.
  void (*const changes[])(TLevelPropModel&) = {
      [](TLevelPropModel& p) { p.Edit2 = "299"; },
      [](TLevelPropModel& p) { p.Colors[3] = 1; },
      [](TLevelPropModel& p) { p.edPass = p.edConfPass = "otra"; },
      [](TLevelPropModel& p) { p.cbWrap = true; },
  };
  for (const auto change : changes) {
    TLevelPropModel changed = m;
    change(changed);
    TDocument again = doc;
    changed.ApplyTo(again);
    EXPECT_TRUE(again.Modified);
  }
  TDocument changedBefore = doc;
  changedBefore.Modified = true;
  m.ApplyTo(changedBefore);
  EXPECT_TRUE(changedBefore.Modified);

  TDocument map;
  map.DocKind = DocWorldMap;
  EXPECT_EQ(shown(kModeProperties, &map).Caption, "Propiedades del mapa");
  EXPECT_EQ(shown(kModeProperties, &map).Panel4Top, 60);
}

// One dialog serves every document: a new level or map starts with no
// password, and a document without one shows none, whatever the last held.
TEST(LevelPropShow, EachShowingHoldsThePasswordOfItsOwnDocument) {
  TDocument secret, open;
  secret.DocKind = open.DocKind = DocLevel;
  secret.Password = "abc";
  TLevelPropModel m;
  for (int tag : {kModeNewLevel, kModeNewMap}) {
    m.Tag = kModeProperties;
    m.FormShow(&secret, {});
    m.Tag = tag;
    m.FormShow(nullptr, {});
    EXPECT_EQ(m.edPass, "") << tag;
    EXPECT_EQ(m.edConfPass, "") << tag;
    TDocument created;
    ASSERT_TRUE(m.CheckConfirm());
    m.ApplyTo(created);
    EXPECT_EQ(created.Password, "") << tag;
  }
  m.Tag = kModeProperties;
  m.FormShow(&secret, {});
  m.FormShow(&open, {});
  EXPECT_EQ(m.edPass, "");
  EXPECT_EQ(m.edConfPass, "");
  EXPECT_TRUE(m.CheckConfirm());
}

TEST(LevelPropConfirm, PasswordsMustMatchExactly) {
  TLevelPropModel m = shown(kModeNewLevel);
  std::string shownText, shownTitle;
  m.OnError = [&](TLevelPropModel&, const std::string& text, const std::string& title) {
    shownText = text;
    shownTitle = title;
  };
  m.edPass = "Secreto";
  m.edConfPass = "secreto";
  EXPECT_FALSE(m.CheckConfirm());
  EXPECT_EQ(shownText, kPasswordMismatch);
  EXPECT_EQ(shownTitle, "Error");
  EXPECT_EQ(m.edPass, "");
  EXPECT_EQ(m.edConfPass, "");
  EXPECT_TRUE(m.PasswordFocused);
  // Empty fields remove the password.
  EXPECT_TRUE(m.CheckConfirm());
  TDocument doc;
  doc.Password = "old";
  m.ApplyTo(doc);
  EXPECT_EQ(doc.Password, "");
}

TEST(LevelPropConfirm, NumbersAreWholeAndWithinTheirRange) {
  TLevelPropModel m = shown(kModeNewLevel);
  m.Edit3 = "100000";
  m.Edit15 = "-50";
  TDocument doc;
  m.ApplyTo(doc);
  EXPECT_EQ(doc.Width, 32767);
  EXPECT_EQ(doc.AutoScrollX, -10);
  m.Edit4 = "trece";
  TDocument before;
  before.Name = "keep";
  TDocument after = before;
  EXPECT_THROW(m.CheckConfirm(), EConvertError);
  EXPECT_THROW(m.ApplyTo(after), EConvertError);
  EXPECT_EQ(after.Name, "keep");
  EXPECT_FALSE(after.Modified);
}

// Numbers a file holds beyond the up-downs' ranges survive a confirmation that
// leaves them alone; a number the author changes is taken within the range.
TEST(LevelPropConfirm, NumbersTheDocumentHoldsBeyondTheRangesStayUnlessChanged) {
  TDocument doc;
  doc.DocKind = DocLevel;
  doc.Width = 40000;
  doc.AutoScrollX = 20;
  doc.BgX = -16;
  doc.RainDensity = 20000;
  TLevelPropModel m;
  m.Tag = kModeProperties;
  m.FormShow(&doc, {});
  TDocument same = doc;
  m.ApplyTo(same);
  EXPECT_EQ(same.Width, 40000);
  EXPECT_EQ(same.AutoScrollX, 20);
  EXPECT_EQ(same.BgX, -16);
  EXPECT_EQ(same.RainDensity, 20000);
  m.Edit3 = "50000";
  m.Edit11 = "-17";
  m.ApplyTo(doc);
  EXPECT_EQ(doc.Width, 32767);
  EXPECT_EQ(doc.BgX, 0);
  EXPECT_EQ(doc.AutoScrollX, 20);
}

TEST(LevelPropFiles, SelectorStartAndChosenPaths) {
  namespace fs = std::filesystem;
  ScratchFolder scratch("e3_levelprop");
  const fs::path& dir = scratch.path();
  fs::create_directories(dir / "bg");
  std::ofstream(dir / "bg" / "sky.bmp") << "x";
  std::string folder = dir.string() + "/";
  EXPECT_EQ(TLevelPropModel::SelectorStart("BG\\Sky.bmp", folder), (dir / "bg" / "sky.bmp").string());
  EXPECT_EQ(TLevelPropModel::SelectorStart("/elsewhere/sky.bmp", folder), "/elsewhere/sky.bmp");
  EXPECT_EQ(TLevelPropModel::SelectorStart("sprites\\a.iml", folder), (dir / "sprites" / "a.iml").string());
  EXPECT_EQ(TLevelPropModel::SelectorStart("", folder), "");
  std::string upper = folder;
  for (char& c : upper) c = char(toupper(c));
  EXPECT_EQ(TLevelPropModel::FieldOfChosenFile(upper + "bg/sky.bmp", folder), "bg\\sky.bmp");
  EXPECT_EQ(TLevelPropModel::FieldOfChosenFile("/other/sky.bmp", folder), "/other/sky.bmp");
}
