#pragma once
// The camera's dead zone: how far the view moves after the player.

// One axis of ScrollView: the player at screen position pos in a view of size
// view, the camera at camera over a level of levelSize pixels. Returns the step
// the camera takes (0 inside the dead zone, or when clamped and the step would
// pass an edge: a step is never shortened). ahead and behind are the dead zone's
// half-widths after and before the view's middle.
int CameraStep(int pos, int view, int camera, int levelSize, bool clamped, int ahead, int behind);

// Dead zone of the two axes: 20 pixels each way across, 20 below and 40 above the middle.
constexpr int DeadZoneRight = 20, DeadZoneLeft = 20, DeadZoneDown = 20, DeadZoneUp = 40;
