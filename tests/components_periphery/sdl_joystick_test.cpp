#include "platform/sdl/sdl_joystick.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include "components/ZEZInput/ZEZInput.h"
#include "platform/core/keys.h"

// SDL's virtual joystick stands in for a device plugged into the machine.
TEST(SdlJoystick, FirstAttachedJoystickDrivesTheInputComponent) {
  ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
  EXPECT_EQ(platform::OpenFirstSdlJoystick(), nullptr);  // nothing attached yet

  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 2, 0);
  ASSERT_GE(index, 0) << SDL_GetError();
  SDL_Joystick* device = SDL_JoystickOpen(index);  // the test's end of the virtual device
  ASSERT_NE(device, nullptr);

  platform::setJoystickProvider(platform::OpenFirstSdlJoystick);
  platform::HeadlessForm form;
  {
    TGKInput input(form);
    input.Device = JoyStick;
    input.Initialize();
    input.SetKeys(platform::VK_LEFT, platform::VK_RIGHT, platform::VK_UP, platform::VK_DOWN,
                  platform::VK_CONTROL, platform::VK_MENU);
    EXPECT_FALSE(input.KeyDown(platform::VK_LEFT));
    SDL_JoystickSetVirtualAxis(device, 0, -30000);
    EXPECT_TRUE(input.KeyDown(platform::VK_LEFT));
    SDL_JoystickSetVirtualButton(device, 1, 1);
    EXPECT_TRUE(input.KeyDown(platform::VK_MENU));
  }
  platform::setJoystickProvider(nullptr);
  SDL_JoystickClose(device);
  SDL_JoystickDetachVirtual(index);
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}
