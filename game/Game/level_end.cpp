// The end of a level: enemies near the view turn into coins, the player stops,
// and each frame draws the "level complete" texts, the card bonus and the card.
#include <algorithm>
#include <array>
#include <string>

#include "components/ZEZ/TGKScreen.h"
#include "components/ZEZ/TGKSurface.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_events.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"

namespace {

// Enemies and hazards that the end of the level turns into coins.
bool turnsIntoCoin(int kind) {
  static constexpr std::array<std::pair<int, int>, 14> ranges{{
      {54, 58}, {64, 64}, {94, 96}, {100, 100}, {102, 103}, {105, 106}, {108, 115},
      {163, 164}, {180, 180}, {214, 226}, {229, 229}, {232, 237}, {333, 333}, {335, 335}}};
  if (kind == 338 || kind == 339) return true;
  return std::any_of(ranges.begin(), ranges.end(),
                     [kind](const auto& r) { return kind >= r.first && kind <= r.second; });
}

constexpr int kRisingCoin = 50;

}  // namespace

void StartLevelEnd() {
  if (Level.LevelEnded) return;
  Level.LevelEnded = true;
  Level.LevelWon = true;  // its node is listed as won when the countdown ends
  Level.EndStage = 7;

  TGKSprites& sprites = fmMain->DXSprites->Sprites;
  const TRect clip = fmMain->DXScreen->GetClipRect();
  for (int i = 1; i < sprites.Count(); ++i) {
    TGKSprite& s = sprites.GetSprite(i);
    if (!turnsIntoCoin(s.Animation) || !s.Visible || !s.Enabled) continue;
    const int x = s.GetX(), y = s.GetY();
    if (x < -s.Width || x >= clip.Right || y < -s.Height || y >= clip.Bottom) continue;
    s.SetAnimation(kRisingCoin);
    s.SetAcceleration(12.0);
    s.Param1 = s.GetY() + s.Height;
    s.SetDirection(0);
    s.SetSpeed(8.0);
    CollectCoin();
  }

  if (TGKJumper* player = Level.Player) {
    player->Controlled = false;
    player->SetSpeed(0);
    player->SetVelocityY(player->GetMaxFall() / 2);
  }
  PlayTuneOnce(MusicLevelEnd);
}

int CardBonusFor(const std::array<int, 3>& cards, int nextCardSlot, const std::array<int, 3>& faces) {
  // The slots fill 0, 1, 2 and wrap: back at slot 0 with slot 0 taken, all three are.
  if (nextCardSlot != 0 || cards[0] == 0) return 0;
  const bool allSame = cards[0] == cards[1] && cards[1] == cards[2];
  if (allSame && cards[0] == faces[0]) return 2;
  if (allSame && cards[0] == faces[1]) return 3;
  if (allSame && cards[0] == faces[2]) return 5;
  return 1;
}

void MarkEnteredNodeEnded() {
  std::vector<std::string>& ended = fmMain->EndedNodes;
  const std::string node = std::to_string(WorldMap.EnteredNode);
  if (std::find(ended.begin(), ended.end(), node) == ended.end()) ended.push_back(node);
}

void DrawLevelEndOverlay() {
  TfmMain& w = *fmMain;
  w.DrawBitmapText(96, 30, ShellTexts.strLevelComplete);
  if (Level.EndStage < 6) w.DrawBitmapText(74, 54, ShellTexts.strLevelCard);

  TGKScreen& screen = *w.DXScreen;
  if (!screen.BackSurface) return;
  TGKSurface& back = *screen.BackSurface;
  TGKCanvas& canvas = *back.Canvas;
  canvas.Font.Color = 255;
  canvas.Font.Size = 16;

  if (Level.EndStage < 2 && w.CardBonusLives == 0) {
    const int bonus = CardBonusFor(w.Cards, w.NextCardSlot, Level.CardImages);
    if (bonus > 0) {
      w.CardBonusLives = bonus;
      w.AddLives(bonus);
      w.Cards = {0, 0, 0};
    }
  }
  if (Level.EndStage < 2 && w.CardBonusLives > 0) {
    canvas.Font.Name = "Tahoma";
    canvas.Brush.Style = platform::bsClear;
    canvas.TextOut(140, 160, std::to_string(w.CardBonusLives) + ShellTexts.strLifes);
  }
  canvas.Release();

  if (Level.EndStage < 5 && Level.EndCard >= 0 && Level.EndCard < screen.ImageCount)
    back.Draw(240, 43, screen.GetImage(Level.EndCard), true);
}
