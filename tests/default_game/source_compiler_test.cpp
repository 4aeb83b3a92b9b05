// The compiler of level and world-map sources: object order, labels that name
// pipe targets, options, and the errors a level author gets for a broken source.
#include <gtest/gtest.h>

#include "content/game/level_source.h"

using content::game::compileSource;
using content::game::DocumentKind;
using content::game::SourceError;

namespace {

std::string valueOf(const content::game::CompiledDocument& doc, const std::string& key) {
  for (const auto& [k, v] : doc.options)
    if (k == key) return v;
  return "(missing)";
}

TEST(LevelSource, PlayerFirstThenLegendOrderRowByRowWithLabelsResolved) {
  const auto doc = compileSource(
      "[Options]\nBgColor=rgb(10,20,30)\n"
      "[Legend]\n"
      "= = 3\n"
      "; a pipe with a plant: the game puts the plant sprite before it\n"
      "p = 27,1,,1,0,0\n"
      "P = 27,1,levels\\x.tql,,{back},2\n"
      "R back = 27\n"
      "@ = 0\n"
      "[Map]\n"
      "..p.P.R\n"
      "@......\n"
      "=======\n",
      DocumentKind::Level);
  ASSERT_EQ(doc.objects.size(), 11u);
  EXPECT_EQ(doc.objects[0].value, "0,1");
  EXPECT_EQ(doc.objects[0].cellKey(), 65536);
  EXPECT_EQ(doc.objects[1].value, "3,1");
  EXPECT_EQ(doc.objects[1].cellKey(), 2 * 65536);
  EXPECT_EQ(doc.objects[8].value, "27,1,,1,0,0");
  // R is line 10, and the plant before it moves it one sprite further.
  EXPECT_EQ(doc.objects[9].value, "27,1,levels\\x.tql,,11,2");
  EXPECT_EQ(doc.objects[10].cellKey(), 6);
  EXPECT_EQ(valueOf(doc, "Width"), "7");
  EXPECT_EQ(valueOf(doc, "Height"), "3");
  EXPECT_EQ(valueOf(doc, "BgColor"), std::to_string(10 | 20 << 8 | 30 << 16));
}

TEST(LevelSource, KeysComeInTheEditorsOrderWithItsDefaults) {
  const auto level = compileSource("[Legend]\n@ = 0\n[Map]\n@\n", DocumentKind::Level);
  ASSERT_EQ(level.options.size(), 13u + 25u);
  EXPECT_EQ(level.options.front().first, "AddText");
  EXPECT_EQ(level.options[13].first, "BgColor");
  EXPECT_EQ(level.options.back().first, "SoundLib");
  EXPECT_EQ(valueOf(level, "ImageLib"), "sprites\\game.iml");
  const auto world = compileSource("[Legend]\n@ = 0\n[Map]\n@\n", DocumentKind::World);
  ASSERT_EQ(world.options.size(), 3u + 25u);
  EXPECT_EQ(world.options.front().first, "Name");
  EXPECT_EQ(valueOf(world, "ImageLib"), "sprites\\map.iml");
  EXPECT_EQ(valueOf(world, "MIDIFile"), "music\\map\\world 1.mid");
  const std::string text = content::game::documentText(level);
  EXPECT_EQ(text.rfind("[Options]\r\nAddText=\r\nTime=300\r\n", 0), 0u);
  EXPECT_NE(text.find("[Sprites]\r\n0=0,1\r\n"), std::string::npos);
}

TEST(LevelSource, BrokenSourcesAreRefusedWithTheReason) {
  const struct {
    const char* source;
    const char* reason;
  } cases[] = {
      {"[Legend]\n@ = 0\n[Map]\n@x\n", "map character 'x' is not in the legend"},
      {"[Legend]\n@ = 0\nk = 5\n[Map]\nk.k\n", "exactly one player"},
      {"[Legend]\n@ = 0\n[Map]\n..\n", "the map is empty"},
      {"[Legend]\n@ = 0\n[Map]\n@@\n", "exactly one player"},
      {"[Legend]\n@ = 0\nk = 364\n[Map]\n@k\n", "object kind \"364\" is not 0..363"},
      {"[Legend]\n@ = 0\nk = 5,2\n[Map]\n@k\n", "visible field must be 0 or 1"},
      {"[Legend]\n@ = 0\nk = 0\n[Map]\n@k\n", "'@' and only '@' is the player"},
      {"[Legend]\n@ = 0\nk = 5\nk = 6\n[Map]\n@k\n", "given twice"},
      {"[Legend]\n@ = 0\nP = 27,1,a.tql,,{nowhere},0\n[Map]\n@P\n", "no object is labelled \"nowhere\""},
      {"[Legend]\n@ = 0\nR back = 27\n[Map]\n@RR\n", "must stand in exactly one cell"},
      {"[Options]\nTyme=3\n[Legend]\n@ = 0\n[Map]\n@\n", "unknown option \"Tyme\""},
      {"[Options]\nBgColor=rgb(1,2,300)\n[Legend]\n@ = 0\n[Map]\n@\n", "bad colour"},
      {"[Options]\nWidth=2\n[Legend]\n@ = 0\nk = 5\n[Map]\n@.k\n", "wider than Width"},
      {"[Options]\nHeight=0\n[Legend]\n@ = 0\n[Map]\n@\n", "Height must be 1..65535"},
      {"[Legend]\n@ = 0\n", "no [Map]"},
  };
  for (const auto& c : cases) {
    try {
      compileSource(c.source, DocumentKind::Level, "t.level");
      ADD_FAILURE() << "accepted: " << c.source;
    } catch (const SourceError& e) {
      EXPECT_NE(std::string(e.what()).find(c.reason), std::string::npos) << e.what();
      EXPECT_EQ(std::string(e.what()).rfind("t.level:", 0), 0u) << e.what();
    }
  }
  EXPECT_THROW(compileSource("[Legend]\n@ = 0\nk = 100\n[Map]\n@k\n", DocumentKind::World), SourceError);
}

}  // namespace
