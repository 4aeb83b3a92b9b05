#include "components/gkslib/TGKSoundLib.h"

#include <algorithm>

TGKSoundLib::TGKSoundLib() : sounds_(std::make_unique<TGKSounds>()) {}

TGKSoundLib::~TGKSoundLib() {
  // Handlers may remove themselves while they run.
  auto handlers = std::move(freeNotifications_);
  for (auto& [id, handler] : handlers)
    if (handler) handler(*this);
}

void TGKSoundLib::SetSounds(const TGKSounds& sounds) { sounds.AssignTo(*sounds_); }

void TGKSoundLib::LoadFromFile(const std::string& storedPath) {
  FileName.clear();
  sounds_->LoadFromFile(storedPath);
  FileName = storedPath;
}

void TGKSoundLib::ReloadFromFile() {
  if (FileName.empty()) throw EGKSounds("LoadFromFile must be called first");
  const std::string name = FileName;  // LoadFromFile clears FileName first
  LoadFromFile(name);
}

int TGKSoundLib::AddFreeNotification(std::function<void(TGKSoundLib&)> handler) {
  const int id = nextNotificationId_++;
  freeNotifications_.emplace_back(id, std::move(handler));
  return id;
}

void TGKSoundLib::RemoveFreeNotification(int id) {
  std::erase_if(freeNotifications_, [id](const auto& entry) { return entry.first == id; });
}
