#include "platform/sdl/sdl_joystick.h"

#include <SDL.h>

namespace platform {

namespace {

class SdlJoystick : public JoystickSource {
 public:
  explicit SdlJoystick(SDL_Joystick* joystick) : joystick_(joystick) {}
  ~SdlJoystick() override {
    SDL_JoystickClose(joystick_);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  }
  bool Update() override {
    SDL_JoystickUpdate();
    return SDL_JoystickGetAttached(joystick_) == SDL_TRUE;
  }
  int AxisX() const override { return SDL_JoystickGetAxis(joystick_, 0); }
  int AxisY() const override { return SDL_JoystickGetAxis(joystick_, 1); }
  bool Button(int index) const override {
    return index < SDL_JoystickNumButtons(joystick_) && SDL_JoystickGetButton(joystick_, index) != 0;
  }

 private:
  SDL_Joystick* joystick_;
};

}  // namespace

std::unique_ptr<JoystickSource> OpenFirstSdlJoystick() {
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return nullptr;
  for (int i = 0; i < SDL_NumJoysticks(); ++i)
    if (SDL_Joystick* joystick = SDL_JoystickOpen(i)) return std::make_unique<SdlJoystick>(joystick);
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
  return nullptr;
}

}  // namespace platform
