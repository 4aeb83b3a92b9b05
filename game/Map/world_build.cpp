// Building the sprites of a world map: background, player, stars, dust, the
// nodes with the looks of won ones, locks, wandering enemies, camera and music.
#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/Game/palette_effects.h"
#include "game/Map/world_kinds.h"
#include "game/Map/world_map.h"
#include "game/ObjectLine/object_line.h"
#include "game/Splash/screen_services.h"
#include "game/frmMain/frmMain.h"
#include "platform/core/paths.h"
#include "platform/core/tick_stamp.h"
#include "platform/draw/gdi_bitmap.h"

namespace {

// The world kind of a line (or of a field's text); nothing for a number that
// names none.
std::optional<int> worldKind(const std::string& line) {
  const std::optional<int> kind = KindOfObjectLine(line);
  if (!kind || *kind < 0 || *kind >= WorldKindCount) return std::nullopt;
  return kind;
}

// The ended nodes by name, looked up once a node: a saved state may name tens
// of thousands, and a map hold as many nodes.
class TEndedNodes {
 public:
  TEndedNodes() : names_(fmMain->EndedNodes.begin(), fmMain->EndedNodes.end()) {}
  bool contains(int index) const { return names_.contains(std::to_string(index)); }
  void record(int index) {
    std::string name = std::to_string(index);
    if (names_.insert(name).second) fmMain->EndedNodes.push_back(std::move(name));
  }

 private:
  std::unordered_set<std::string> names_;
};

// The WanderPositions entry named n ("n=value"), if any.
std::optional<int> wanderPosition(int n) {
  const std::string prefix = std::to_string(n) + "=";
  for (const std::string& e : fmMain->WanderPositions)
    if (e.rfind(prefix, 0) == 0) {
      int v = 0;
      const char* b = e.data() + prefix.size();
      auto [p, ec] = std::from_chars(b, e.data() + e.size(), v);
      if (ec == std::errc()) return v;
    }
  return std::nullopt;
}

int packPosition(int x, int y) { return int(uint32_t(uint16_t(x)) | (uint32_t(uint16_t(y)) << 16)); }

void buildBackground(const TRect& clip) {
  TGKScreen& s = *fmMain->DXScreen;
  fmMain->BackSurface.reset();
  if (!DisplayRunning()) return;
  const TLevelOptions& o = Level.Options;
  const int w = clip.width() + 10, h = clip.height() + 10;
  platform::GdiBitmap picture;
  if (!o.BgImage.empty() && platform::fileExists(o.BgImage)) {
    try {
      picture.LoadFromFile(platform::resolvePath(o.BgImage).string());
    } catch (const platform::BmpError&) {
      picture = platform::GdiBitmap();
    }
  }
  if (!picture.Empty()) {
    CopyPictureColors(picture, 10, 230);
    const bool covers = picture.Width() >= clip.width() && picture.Height() >= clip.height();
    auto surface = TGKSurface::CreateOffscreen(*s.DirectDraw, covers ? picture.Width() : w,
                                               covers ? picture.Height() : h, s.ColorDepth);
    if (covers)
      surface->Canvas->Draw(0, 0, picture);
    else
      surface->Canvas->StretchDraw({0, 0, w, h}, picture);
    surface->Canvas->Release();
    fmMain->BackSurface = std::move(surface);
    return;
  }
  if (s.ColorDepth == 8) {
    s.PaletteEntries[245] = {platform::GetRValue(o.BgColor), platform::GetGValue(o.BgColor),
                             platform::GetBValue(o.BgColor), 0};
    s.SetPalette(s.PaletteEntries);
  }
  auto surface = TGKSurface::CreateOffscreen(*s.DirectDraw, w, h, s.ColorDepth);
  platform::Canvas& c = *surface->Canvas;
  c.Brush.Style = platform::bsSolid;
  c.Brush.Color = platform::TColor(o.BgColor) & 0xFFFFFF;
  c.FillRect({0, 0, w, h});
  surface->Canvas->Release();
  fmMain->BackSurface = std::move(surface);
}

// A won path while the player stands on a path (he beat the wandering enemy
// met there): dust and the transform sound where he stands. False while that
// node is not built yet: he met the enemy on a path listed after its home path.
bool showDustWhereEnemyWasMet() {
  TWorldMapState& m = WorldMap;
  const TGKSprites& list = fmMain->DXSprites->Sprites;
  if (m.LastPosition < 0 || m.LastPosition >= list.Count()) return false;
  TGKSprite& last = list.GetSprite(m.LastPosition);
  if (inSet(PathKinds, last.Animation)) {
    fmMain->ShowDust(last.GetX(), last.GetY());
    PlayScreenSound(SoundTransform);
    m.ShowPlayerTime = platform::StampIn(ShowPlayerDelayMs);
  }
  return true;
}

// The looks of a won node, in order; each step sees the kind the one before set.
// Sets dustWaits when the last step waits for a node built later.
void wonLooks(TGKSprite& node, int s, const std::string& line, bool& dustWaits) {
  TWorldMapState& m = WorldMap;
  const bool here = s == m.LastPosition;
  int kind = node.Animation;
  if ((inSet(WonLooks3, kind) || kind == wkCastle1) && here) {
    fmMain->ShowDust(node.GetX(), node.GetY());
    m.ShowPlayerTime = platform::StampIn(kind == wkCastle1 ? 1000 : ShowPlayerDelayMs);
  }
  if (kind == wkLock) {
    if (auto opened = worldKind(GetValue(line, 2))) {
      node.SetAnimation(kind = *opened);
      if (m.OpenLocks) {
        fmMain->ShowDust(node.GetX(), node.GetY());
        PlayScreenSound(SoundTransform);
        m.OpenLocks = false;
      }
    }
  }
  if (inSet(WonLooks1, kind)) {
    if (here) PlayScreenSound(SoundMapMove);
    node.SetAnimation(kind = here ? wkM3 : wkM1);
  }
  if (inSet(WonLooks2, kind)) {
    if (here) PlayScreenSound(kind == wkPipe || kind == wkSand ? SoundTransform : SoundMapMove);
    node.SetAnimation(kind = here ? wkM5 : wkM2);
  }
  if (inSet(WonLooks3, kind)) {
    node.SetAnimation(kind = wkM4);
    if (here) PlayScreenSound(SoundTransform);
  }
  if (kind == wkCastle1) {
    node.SetAnimation(kind = wkCastle3);
    if (here && GameShell.PlaySound) screenAudio().PlayBrickSound();
  }
  if (inSet(PathKinds, kind) && !showDustWhereEnemyWasMet()) dustWaits = true;
}

void addWanderingEnemy(TGKSprites& list, const TGKSprite& path, int s, int n, const std::string& line) {
  TGKSprite& hammer = list.GetSprite(list.AddBouncer(0, path.GetX(), path.GetY(), 0, 0.0, wkHammer));
  const std::optional<int> kept =
      !fmMain->WanderPositions.empty() && WorldMap.EnteredFromMap ? wanderPosition(n) : std::nullopt;
  if (kept) {
    hammer.StartPos = *kept;
    hammer.SetX(int16_t(*kept & 0xFFFF));
    hammer.SetY(int16_t(uint32_t(*kept) >> 16));
  } else {
    hammer.StartPos = packPosition(path.GetX(), path.GetY());
    if (WorldMap.IntroCardStart != -1) hammer.Param1 = 2;
  }
  hammer.SetEdgeActions(0);
  hammer.Controlled = false;
  hammer.Param3 = s;
  hammer.Param4 = n;
  hammer.Hide();
  const std::string level = GetValue(line, 3);
  if (!level.empty() && platform::fileExists(GameShell.ExeDir + level)) hammer.Data = Level.AddSpriteText(level);
}

// A beaten enemy keeps its place in the sprite list, out of play: the won nodes,
// the last position and a saved state name map sprites by index, and without it
// every sprite after it would move down by one, showing the wrong nodes as won.
void addBeatenEnemySlot(TGKSprites& list, const TGKSprite& path, int s, int n) {
  TGKSprite& slot = list.GetSprite(list.AddBouncer(0, path.GetX(), path.GetY(), 0, 0.0, wkHammer));
  slot.StartPos = packPosition(path.GetX(), path.GetY());
  slot.SetEdgeActions(0);
  slot.Controlled = false;
  slot.Param1 = 2;
  slot.Param3 = s;
  slot.Param4 = n;
  slot.Disable();
  slot.Hide();
}

void placePlayer(TGKSprite& player, const TGKSprites& list) {
  const int last = WorldMap.LastPosition;
  if (last < 0 || last >= list.Count()) return;
  const TGKSprite& node = list.GetSprite(last);
  const int mode = GameShell.PlayerMode;
  player.SetX(node.GetX() + (mode == PlayerSmall ? 1 : 0));
  const bool castle = node.Animation == wkCastle2;
  const int lift = mode == PlayerSmall ? 0 : mode == PlayerFlying ? 6 : 3;
  player.SetY(castle ? node.GetY() + 8 - lift : node.GetY() - lift);
}

void placeCamera(const TGKSprite& player, const TRect& clip) {
  const TLevelOptions& o = Level.Options;
  const int mapW = o.Width * o.ResFactor, mapH = o.Height * o.ResFactor;
  if (mapW > clip.width() && player.GetX() > clip.width() / 2 + 20)
    fmMain->CameraX = std::min(player.GetX() - clip.width() / 2 - 20, mapW - clip.width());
  if (mapH > clip.height() && player.GetY() > clip.height() / 2 + 20)
    fmMain->CameraY = std::min(player.GetY() - clip.height() / 2 - 20, mapH - clip.height());
  if (fmMain->CameraX != 0 || fmMain->CameraY != 0)
    fmMain->DXSprites->Sprites.MoveAll(true, -fmMain->CameraX, -fmMain->CameraY, true, 0, 0);
}

}  // namespace

void BuildWorldMap() {
  TGKScreen& screen = *fmMain->DXScreen;
  TGKSprites& list = fmMain->DXSprites->Sprites;
  TWorldMapState& m = WorldMap;
  const TLevelOptions& o = Level.Options;
  const TRect clip = screen.GetClipRect();
  const int rf = o.ResFactor;
  Level.SpriteTexts.clear();

  buildBackground(clip);
  m.IntroCardStart = m.InitialInfo ? platform::StampNow() : platform::NoStamp;

  const std::vector<std::string>& keys = fmMain->SpriteKeys;
  const TObjectCell start = keys.empty() ? TObjectCell{} : CellOfKey(keys.front()).value_or(TObjectCell{});

  const int mode = GameShell.PlayerMode;
  TGKSprite& player = list.GetSprite(
      list.AddBouncer(0, start.column * rf + 1, start.row * rf, 0, 0.0, mode == PlayerFire ? wkPlayerF : mode));
  player.SetEdgeActions(0);
  player.Disable();
  player.Hide();
  if (m.InitialInfo) player.Controlled = false;

  const int cx = (clip.Left + clip.Right) / 2, cy = (clip.Top + clip.Bottom) / 2;
  for (int i = 0; i < MapStarCount; ++i) {
    TGKSprite& star = list.GetSprite(list.AddBouncer(0, cx, cy, 4 * i, 3.0, wkStars));
    star.Disable();
    star.Hide();
    star.SetEdgeActions(0);
  }
  for (int i = 0; i < MapDustCount; ++i) {
    TGKSprite& dust = list.GetSprite(list.AddBouncer(0, 0, 0, 0, 0.0, wkDust));
    dust.Hide();
    dust.Disable();
    dust.Controlled = false;
    fmMain->DustSprites[size_t(i)] = &dust;
  }
  TGKSprite& startNode = list.GetSprite(list.AddBouncer(0, start.column * rf, start.row * rf, 0, 8.0, wkStart));
  startNode.SetEdgeActions(0);
  startNode.Controlled = false;

  // [Sprites] in one pass, in the order of keys (read from the same section).
  const platform::IniFile* ini = Level.LevelIni.get();
  const auto nodes = ini ? ini->readSectionEntries("Sprites") : std::vector<std::pair<std::string, std::string>>();
  bool dustWaits = false;
  TEndedNodes ended;
  for (size_t n = 1; n < nodes.size(); ++n) {
    const std::optional<TObjectCell> cell = CellOfKey(nodes[n].first);
    const std::string& line = nodes[n].second;
    const std::optional<int> kind = worldKind(line);
    // Only world kinds belong on a map (a level played as a game has others).
    if (!cell || !kind) continue;
    const int s = list.AddBouncer(0, cell->column * rf, cell->row * rf, 0, 8.0, *kind);
    TGKSprite& node = list.GetSprite(s);
    if (*kind == wkLock && m.OpenLocks) ended.record(s);
    const bool won = ended.contains(s);
    const bool path = inSet(PathKinds, *kind);
    if (path && GetValue(line, 2) == "1") {
      if (!won)
        addWanderingEnemy(list, node, s, int(n), line);
      else
        addBeatenEnemySlot(list, node, s, int(n));
    }
    if (*kind == wkBrid2 && m.NodeToggle == 1) node.SetAnimation(wkBrid3);
    if (!path) {
      node.Param1 = ObjectFieldNumber(line, 3, 0);
      node.Param2 = ObjectFieldNumber(line, 4, 0);
    }
    if (!fmMain->EndedNodes.empty() && won) wonLooks(node, s, line, dustWaits);
    if (!fmMain->EndedNodes.empty() && platform::MsSince(m.ShowPlayerTime) > 0)
      m.ShowPlayerTime = platform::StampIn(1000);
    node.SetEdgeActions(0);
    node.SetMaxSpeed(10.0);
    node.Controlled = false;
    if (*kind == wkCastle2) {
      node.SetY(node.GetY() + 8);
      TGKSprite& help = list.GetSprite(list.AddBouncer(0, node.GetX() + node.Width, node.GetY() - 9, 0, 0.0, wkHelp));
      help.SetEdgeActions(0);
      help.Controlled = false;
      help.Hide();
    }
    const std::string link = GetValue(line, 2);
    if (!link.empty() && !path && node.Animation != wkM4 && platform::fileExists(GameShell.ExeDir + link))
      node.Data = Level.AddSpriteText(link);
  }

  if (dustWaits) showDustWhereEnemyWasMet();
  placePlayer(player, list);
  m.MapPosition = m.LastPosition == -1 ? MapStartNode : m.LastPosition;
  Level.StandingOnSprite = -1;
  Level.LevelTime = 0;
  fmMain->RunMeter = 0;
  fmMain->DustIndex = 0;
  fmMain->CameraX = fmMain->CameraY = 0;
  Level.ReturnToMap = false;
  m.NodeToggle = 1 - m.NodeToggle;
  Level.EntryPipe = 0;
  GameShell.EntryMode = 0;
  placeCamera(player, clip);

  std::string shortName = o.ShortName;
  for (char& ch : shortName) ch = char(std::toupper(static_cast<unsigned char>(ch)));
  fmMain->MapShortName = shortName;
  screenAudio().OpenMusic(o.MIDIFile, MusicTagLooping);

  if (!DisplayRunning()) return;
  fmMain->DrawStatusBar();
  WorldMapFrame();
  screen.Flip();
  CopyFrontToBack();
  for (auto [color, entry] : {std::pair{o.WaterColor, 20}, {o.ShipColor, 50}, {o.Ship2Color, 108}})
    screen.PaletteEntries[size_t(entry)] = {platform::GetRValue(color), platform::GetGValue(color),
                                            platform::GetBValue(color), 0};
  FadeInPalette(screen, o.PaletteFX, 20);
}
