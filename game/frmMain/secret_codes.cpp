// Secret-code entry and the effects of the codes.
#include "game/frmMain/secret_codes.h"

#include <algorithm>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/Map/world_map.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/pending_screens.h"
#include "platform/core/random.h"

namespace {

// Animation numbers the codes pick from, never beyond those of the screen on show.
constexpr int kPlayerLookAnimations = 356;
constexpr int kSpriteLookAnimations = 334;
// Gap between the play area and the status-bar picture.
constexpr int kStatusBarGap = 6;

TGKSpriteMgr& manager() { return *fmMain->DXSprites; }
TGKSprites& sprites() { return manager().Sprites; }
bool inLevel() { return fmMain->ScreenState() == ssLevel; }
TGKSprite* player() { return sprites().Count() > 0 ? &sprites().GetSprite(0) : nullptr; }

int randomAnimation(int limit) {
  const int count = std::min(limit, manager().Animations.Count());
  return count > 0 ? platform::Random(count) : -1;
}

void setPlayArea(bool fullScreen) {
  TGKScreen& s = *fmMain->DXScreen;
  const TRect clip = s.GetClipRect();
  const int bottom = fullScreen ? s.ScreenHeight : s.ScreenHeight - StatusBarPictureHeight() - kStatusBarGap;
  s.SetClipRect({0, 0, clip.Right, bottom});
  GameShell.FullScreen = fullScreen;
}

void changeJump(int delta) {
  if (inLevel() && Level.Player) Level.Player->JumpStrength += delta;
}

void freezeEnemies(bool frozen) {
  if (!inLevel()) return;
  for (int i = 0; i < sprites().Count(); ++i) {
    TGKSprite& s = sprites().GetSprite(i);
    if (!IsFreezableKind(s.Animation)) continue;
    s.State = frozen ? 1 : 0;
    frozen ? s.Disable() : s.Enable();
  }
}

// Scatters the sprites; spread picks each one's point.
template <class Spread>
void scatter(Spread spread) {
  TGKSprite* p = player();
  if (!p) return;
  const TRect clip = fmMain->DXScreen->GetClipRect();
  p->SetX(platform::Random(std::max(1, clip.width())));
  p->SetY(platform::Random(std::max(1, clip.height())));
  fmMain->CameraX = fmMain->CameraY = 0;
  const TLevelOptions& o = Level.Options;
  for (int i = 1; i < sprites().Count(); ++i) {
    TGKSprite& s = sprites().GetSprite(i);
    const auto [x, y] = spread(o.Width, o.Height, o.ResFactor);
    s.SetX(x - s.Width);
    s.SetY(y - s.Height);
  }
}

int randomUpTo(int n) { return n > 0 ? platform::Random(n) : 0; }

}  // namespace

const std::array<TSecretCode, SecretCodeCount> SecretCodes{{
    {"ROCKLATCH", [] { manager().PlayerBehind = true; }},
    {"SILVERMEADOW", [] { manager().PlayerBehind = false; }},
    {"BRIGHTCASCADE", [] { Level.ScrollLimits = false; }},
    {"COPPERGATE", [] { Level.ScrollLimits = true; }},
    {"MOONRIVER", [] { Level.UnlimitedFlight = true; }},
    {"TULIPA", [] { GameShell.ShowInfo = true; }},
    {"KESTREL", [] { GameShell.ShowInfo = false; }},
    {"GLASSHOUSE", [] { Level.Options.Rain = true; }},
    {"PEPPERCORNS", [] { Level.Options.Rain = false; }},
    {"ORCHARDS", [] { fmMain->SetPlayerMode(PlayerFlying, false); }},
    {"BLUEFINCH", [] { fmMain->SetPlayerMode(PlayerFire, false); }},
    {"WINDLESSBAYS", [] { setPlayArea(true); }},
    {"QUIETHARBOURS", [] { setPlayArea(false); }},
    {"SNOWLANTERN", [] { changeJump(-2); }},
    {"RAINLANTERN", [] { changeJump(2); }},
    {"MARBLE", [] { fmMain->SetPlayerMode(GameShell.PlayerMode == PlayerSmall ? PlayerBig : PlayerSmall, false); }},
    {"HAZELNUT", [] { if (TGKSprite* p = player()) p->Enable(); }},
    {"AMBERTELESCOPE",
     [] {
       if (!inLevel() || !Level.Player) return;
       const int a = randomAnimation(kPlayerLookAnimations);
       if (a < 0) return;
       Level.Player->JumpAnimation = Level.Player->WalkAnimation = Level.Player->StandAnimation = a;
     }},
    {"PURPLEMOUNTAIN",
     [] {
       for (int i = 1; i < sprites().Count(); ++i) {
         const int a = randomAnimation(kSpriteLookAnimations);
         if (a >= 0) sprites().GetSprite(i).SetAnimation(a);
       }
     }},
    {"DRIFTING", [] { freezeEnemies(true); }},
    {"BUTTERMILK", [] { freezeEnemies(false); }},
    {"JUNO",
     [] {
       scatter([](int w, int h, int rf) { return std::pair{randomUpTo(w) * rf, randomUpTo(h) * rf}; });
     }},
    {"TIDEPOOL",
     [] {
       scatter([](int w, int h, int rf) { return std::pair{randomUpTo(w * rf), randomUpTo(h * rf)}; });
     }},
    {"WILLOWBED",
     [] {
       // A level end once taken stays taken: its wait goes on to the map.
       for (int i = 0; i < sprites().Count(); ++i) {
         TGKSprite& s = sprites().GetSprite(i);
         if (inLevel() && LevelEndTaken(s)) continue;
         s.Show();
         s.Enable();
       }
     }},
    {"PEBBLE",
     [] {
       Level.Lives = 99;
       Level.Score = 9999999;
       Level.Coins = 99;
       Level.LevelTime = 999;
     }},
    {"OTTERS", [] { WorldMap.WalkAnywhere = true; }},
    {"SEAOTTERS", [] { WorldMap.WalkAnywhere = false; }},
}};

bool IsFreezableKind(int k) {
  return (k >= 54 && k <= 58) || k == 64 || (k >= 94 && k <= 96) || k == 100 || k == 102 || k == 103 ||
         k == 105 || k == 106 || (k >= 108 && k <= 115) || k == 163 || k == 164 || (k >= 214 && k <= 226) ||
         k == 229 || (k >= 232 && k <= 237);
}

bool ApplySecretCode(std::string_view Text) {
  bool any = false;
  for (const TSecretCode& code : SecretCodes)
    if (code.Code == Text) {
      code.Apply();
      any = true;
    }
  return any;
}

void TfmMain::ToggleSecretCode() {
  if (!GameShell.SecretCodes) return;
  GameShell.SecretCodeEntry = !GameShell.SecretCodeEntry;
  if (GameShell.SecretCodeEntry) SecretCodeText.clear();
  ApplySecretCode(SecretCodeText);
}
