#include "game/frmMain/music_rules.h"

#include "platform/core/paths.h"

namespace {

bool atEnd(const TMusicControl& p) { return p.Position() == p.Length(); }

std::string lowerFileName(const TMusicControl& p) {
  return platform::lowerCase(platform::extractFileName(p.FileName()));
}

}  // namespace

TMusicEndAction handleMusicNotify(TMusicControl& player, bool playMusic, int lives) {
  if (player.Tag() == 1 && atEnd(player) && platform::fileExists(player.FileName())) {
    const std::string name = lowerFileName(player);
    if (name == "normal 1.mid" || name == "normal 2.mid") player.Seek(32);
    if (atEnd(player)) player.Rewind();
    if (playMusic) player.Play();
  }
  if (lowerFileName(player) == "death.mid" && atEnd(player))
    return lives == 0 ? TMusicEndAction::ReturnToTitle : TMusicEndAction::ReturnToMap;
  return TMusicEndAction::None;
}
