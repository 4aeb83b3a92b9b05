#pragma once
// The level's background: the part of the background surface that the camera
// shows, moving by the ratio of the surface's range to the level's (parallax).
#include "platform/draw/geometry.h"

// What the source rectangle depends on, in pixels.
struct TBackgroundView {
  int cameraX = 0, cameraY = 0;
  int viewWidth = 0, viewHeight = 0;        // the clip rectangle
  int levelWidth = 0, levelHeight = 0;      // ResFactor x Width, ResFactor x Height
  int surfaceWidth = 0, surfaceHeight = 0;  // the background surface
  int marginWidth = 0, marginHeight = 0;    // BgWidth, BgHeight as BuildLevel leaves them
};

// The source rectangle of the background surface for a view.
platform::TRect BackgroundSource(const TBackgroundView& v);

// Fills the view with the level's FillColor and copies the shown part of the
// background surface to (BgX, BgY) of the back buffer, without colour key.
void DrawBackground();
