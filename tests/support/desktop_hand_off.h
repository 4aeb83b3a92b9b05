#pragma once
// The real desktop shell with only its hand-off to the desktop recorded: it is
// the shell the game's commands reach while it lives, and the desktop takes
// what it is given while `takes` holds.
#include <QUrl>

#include <vector>

#include "platform/core/shell.h"
#include "platform/qt/shell/desktop_shell.h"

struct DesktopHandOff {
  std::vector<QUrl> opened;
  bool takes = true;
  platform::DesktopShell shell{[this](const QUrl& url) {
    opened.push_back(url);
    return takes;
  }};
  DesktopHandOff() { platform::setShell(&shell); }
  ~DesktopHandOff() { platform::setShell(nullptr); }
  DesktopHandOff(const DesktopHandOff&) = delete;
  DesktopHandOff& operator=(const DesktopHandOff&) = delete;
};
