#include "tools/tqrun/level_run.h"

#include <QImage>
#include <charconv>
#include <iterator>
#include <sstream>

#include "components/ZEZ/TGKScreen.h"
#include "components/gkspts/sprite_mgr.h"
#include "game/Game/level_state.h"
#include "game/frmMain/frmMain.h"
#include "game/frmMain/pending_screens.h"
#include "game/frmMain/window_keys.h"
#include "platform/app/application.h"
#include "platform/core/keys.h"
#include "platform/core/paths.h"
#include "platform/core/random.h"

TLevelRun::TLevelRun(const std::string& gameDir, uint32_t startTick) : clock_(startTick) {
  if (!std::filesystem::is_directory(gameDir)) throw ERunArgument("no program folder \"" + gameDir + "\"");
  std::string folder = std::filesystem::absolute(gameDir).string();
  if (folder.back() != '/') folder += '/';
  platform::setProgramFolder(folder);
  platform::setClock(&clock_);
  platform::fixRandomSeed(1);
  platform::keyState().clear();
  main_ = std::make_unique<TfmMain>(form_);
  main_->FormCreate();
  TGKSpriteMgr& sprites = *main_->DXSprites;
  sprites.OnSpriteMoved = [this, moved = sprites.OnSpriteMoved](TGKSprite& sprite) {
    moved(sprite);
    if (&sprite == Level.Player && main_->ScreenState() == ssLevel) lastMove_ = levelState();
  };
  // Frames are paced by the clock alone, 40 a second.
  GameShell.AutoAdjustFrameDelay = true;
  form_.activate();
  main_->TargetFPS = 40;
}

TLevelRun::~TLevelRun() {
  main_.reset();
  platform::application().Reset();
  platform::setClock(nullptr);
  platform::unfixRandomSeed();
}

void TLevelRun::StartLevel(const std::string& levelFile) {
  if (!std::filesystem::is_regular_file(levelFile)) throw ERunArgument("no level file \"" + levelFile + "\"");
  Level.LevelFileName = std::filesystem::absolute(platform::resolvePath(levelFile)).string();
  // Played on its own, as the game plays a level opened as a game: the level is
  // also the world it returns to.
  WorldMap.WorldFileName = Level.LevelFileName;
  Level.Rebuild = TRebuild::None;
  Level.ReturnToMap = false;
  GameShell.EntryMode = EntryNormal;
  Level.EntryPipe = 0;
  main_->SetScreenState(ssLevel);
  SetLevelPlayArea();
  ::StartLevel();
  main_->LastFrameEnd = int(platform::timeGetTime());
  if (!Level.Player) {
    const std::string& images = Level.Options.ImageLib;
    throw ERunArgument("\"" + levelFile + "\" builds no level: " +
                       (images.empty() ? std::string("it names no image library")
                                       : "its image library \"" + images + "\" is missing, unreadable or empty"));
  }
}

bool TLevelRun::InLevel() const { return main_->ScreenState() == ssLevel && Level.Player; }

int TLevelRun::keyCode(const std::string& key) const {
  const TGKSpriteMgr& m = *main_->DXSprites;
  const int codes[] = {m.KeyLeft, m.KeyRight, m.KeyUp, m.KeyDown, m.KeyFire1, m.KeyFire2,
                       GameShell.KeyStart, GameShell.KeySelect};
  static_assert(std::size(codes) == std::size(kKeyNames));
  for (size_t i = 0; i < std::size(codes); ++i)
    if (platform::sameText(key, kKeyNames[i])) return codes[i];
  int code = 0;
  const auto [end, ec] = std::from_chars(key.data(), key.data() + key.size(), code);
  if (ec != std::errc() || end != key.data() + key.size() || code < 1 || code > 255)
    throw ERunArgument("unknown key \"" + key + "\"");
  return code;
}

void TLevelRun::CheckKeys(const std::vector<TKeyEvent>& script) const {
  for (const TKeyEvent& e : script)
    if (e.code.empty()) keyCode(e.key);
}

// As the player types a code: Backspace, the letters, Backspace.
void TLevelRun::typeCode(const std::string& code) {
  for (const bool down : {true, false}) DeliverKey(*main_, platform::VK_BACK, down);
  for (const char c : code) main_->FormKeyPress(c);
  for (const bool down : {true, false}) DeliverKey(*main_, platform::VK_BACK, down);
}

void TLevelRun::RunFrame(const std::vector<TKeyEvent>& script) {
  ++frame_;
  for (const TKeyEvent& e : script) {
    if (e.frame != frame_) continue;
    if (!e.code.empty()) typeCode(e.code);
    else DeliverKey(*main_, keyCode(e.key), e.down);
  }
  bool done = false;
  main_->DXScreen->AppIdle(done);
  main_->MainTimer.Poll();
}

TFrameState TLevelRun::State() const {
  if (!InLevel() && lastMove_.frame == frame_) return lastMove_;
  return levelState();
}

TFrameState TLevelRun::levelState() const {
  TFrameState s;
  s.frame = frame_;
  if (Level.Player && main_->ScreenState() == ssLevel) {
    s.x = Level.Player->GetX() + main_->CameraX;
    s.y = Level.Player->GetY() + main_->CameraY;
  }
  s.playerMode = GameShell.PlayerMode;
  s.score = Level.Score;
  s.coins = Level.Coins;
  s.lives = Level.Lives;
  s.levelTime = Level.LevelTime;
  s.levelEnded = Level.LevelEnded;
  s.levelWon = Level.LevelWon;
  s.playerDying = Level.PlayerDying;
  s.returnToMap = Level.ReturnToMap;
  return s;
}

std::string FrameStatesJson(const std::vector<TFrameState>& states) {
  std::ostringstream out;
  auto flag = [](bool b) { return b ? "true" : "false"; };
  out << "[";
  for (size_t i = 0; i < states.size(); ++i) {
    const TFrameState& s = states[i];
    out << (i ? ",\n " : "\n ") << "{\"frame\": " << s.frame << ", \"x\": " << s.x << ", \"y\": " << s.y
        << ", \"PlayerMode\": " << s.playerMode << ", \"Score\": " << s.score << ", \"Coins\": " << s.coins
        << ", \"Lives\": " << s.lives << ", \"LevelTime\": " << s.levelTime << ", \"LevelEnded\": "
        << flag(s.levelEnded) << ", \"LevelWon\": " << flag(s.levelWon) << ", \"PlayerDying\": "
        << flag(s.playerDying) << ", \"ReturnToMap\": " << flag(s.returnToMap) << "}";
  }
  out << "\n]\n";
  return out.str();
}

void WritePng(const std::string& file, const std::vector<uint32_t>& pixels, int width, int height) {
  if (width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height))
    throw ERunArgument("no picture to write to \"" + file + "\"");
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, 0xFF000000u | pixels[size_t(y) * size_t(width) + size_t(x)]);
  if (!image.save(QString::fromStdString(file), "PNG")) throw ERunArgument("cannot write \"" + file + "\"");
}
