#pragma once
// The sound library component: owns a TGKSounds and remembers the file it was
// loaded from, so that the audio component can read the sounds again after its
// buffers were lost (it empties a file-loaded library once it holds the sounds).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "components/gkslib/TGKSounds.h"

class TGKSoundLib {
 public:
  TGKSoundLib();
  ~TGKSoundLib();
  TGKSoundLib(const TGKSoundLib&) = delete;
  TGKSoundLib& operator=(const TGKSoundLib&) = delete;

  TGKSounds& Sounds() { return *sounds_; }
  const TGKSounds& Sounds() const { return *sounds_; }
  // Copies the given contents.
  void SetSounds(const TGKSounds& sounds);

  std::string FileName;  // empty until loaded from a file

  // FileName is cleared first and set only when the load succeeds.
  void LoadFromFile(const std::string& storedPath);
  // Throws EGKSounds "LoadFromFile must be called first" without a file name.
  void ReloadFromFile();
  bool HasFileName() const { return !FileName.empty(); }
  int GetCount() const { return sounds_ ? sounds_->GetCount() : 0; }

  // Free notification: components that refer to this library hear of its
  // destruction. The returned id removes the handler again.
  int AddFreeNotification(std::function<void(TGKSoundLib&)> handler);
  void RemoveFreeNotification(int id);

 private:
  std::unique_ptr<TGKSounds> sounds_;
  std::vector<std::pair<int, std::function<void(TGKSoundLib&)>>> freeNotifications_;
  int nextNotificationId_ = 1;
};
