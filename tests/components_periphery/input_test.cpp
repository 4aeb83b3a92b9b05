#include "components/ZEZInput/ZEZInput.h"

#include <gtest/gtest.h>

#include "platform/core/joystick.h"
#include "platform/core/keys.h"

using namespace platform;

namespace {

constexpr uint16_t kGameKeys[6] = {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_CONTROL, VK_MENU};

std::vector<bool> gameKeysDown(TGKInput& input) {
  std::vector<bool> down;
  for (uint16_t vk : kGameKeys) down.push_back(input.KeyDown(vk));
  return down;
}

class FakeJoystick : public platform::JoystickSource {
 public:
  struct State {
    int x = 0, y = 0;
    bool b0 = false, b1 = false;
    bool attached = true;
  };
  explicit FakeJoystick(State* s) : s_(s) {}
  bool Update() override { return s_->attached; }
  int AxisX() const override { return s_->x; }
  int AxisY() const override { return s_->y; }
  bool Button(int i) const override { return (i == 0 && s_->b0) || (i == 1 && s_->b1); }

 private:
  State* s_;
};

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override { keyState().clear(); }
  void TearDown() override {
    keyState().clear();
    platform::setJoystickProvider(nullptr);
  }
  std::unique_ptr<TGKInput> make(TInputDevice device) {
    auto input = std::make_unique<TGKInput>(form);
    input->Device = device;
    input->Initialize();
    input->SetKeys(VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN, VK_CONTROL, VK_MENU);
    return input;
  }
  HeadlessForm form{320, 240};
};

}  // namespace

TEST(VirtualKeyToCode, TableAndOutside) {
  struct Case {
    uint16_t vk;
    int code;
  } cases[] = {{VK_BACK, 13}, {VK_SHIFT, 41}, {VK_LSHIFT, 41}, {VK_ESCAPE, 0}, {VK_LEFT, 202},
               {'A', 29},     {'0', 10},      {VK_F12, 87},    {VK_RMENU, 183}, {VK_NUMLOCK, 68},
               {0, 83},       {VK_OEM_1, 83}, {255, 83},       {1000, 83}};
  for (const auto& c : cases) EXPECT_EQ(VirtualKeyToCode(c.vk), c.code) << c.vk;
}

TEST_F(InputTest, KeyboardReadsTheKeyStateByScanCode) {
  auto input = make(Keyboard);
  EXPECT_EQ(gameKeysDown(*input), std::vector<bool>(6, false));
  keyState().keyDown(VK_LEFT);
  keyState().keyDown(VK_LCONTROL);  // the same scan code as Ctrl
  EXPECT_EQ(gameKeysDown(*input), (std::vector<bool>{true, false, false, false, true, false}));
  EXPECT_TRUE(input->KeyDown(VK_CONTROL));
  keyState().keyDown(VK_OEM_1);  // no scan code in the table
  EXPECT_FALSE(input->KeyDown(VK_OEM_1));
  keyState().keyUp(VK_LEFT);
  EXPECT_FALSE(input->KeyDown(VK_LEFT));
  // Not acquired: the state read fails and no key is down.
  input->InputDevice->Unacquire();
  EXPECT_FALSE(input->KeyDown(VK_LCONTROL));
}

TEST_F(InputTest, MouseMovementStandsForAKeyUntilItChanges) {
  std::vector<std::string> seen;  // the window's own handlers still run
  form.OnMouseMove = [&](Form&, TShiftState, int, int) { seen.push_back("move"); };
  auto input = make(Mouse);
  struct Step {
    const char* what;
    std::function<void()> act;
    std::vector<bool> down;
  } steps[] = {
      {"still", [] {}, {false, false, false, false, false, false}},
      {"first position", [&] { form.moveMouse(100, 100); }, {false, false, false, false, false, false}},
      {"left", [&] { form.moveMouse(90, 100); }, {true, false, false, false, false, false}},
      {"kept while still", [] {}, {true, false, false, false, false, false}},
      {"down and right: down wins", [&] { form.moveMouse(95, 120); }, {false, false, false, true, false, false}},
      {"up", [&] { form.moveMouse(95, 110); }, {false, false, true, false, false, false}},
      {"left button", [&] { form.pressMouse(mbLeft, 95, 110); }, {false, false, false, false, true, false}},
      {"right button", [&] { form.pressMouse(mbRight, 95, 110); }, {false, false, false, false, false, true}},
      {"held right button", [&] { keyState().keyDown(VK_RBUTTON); }, {false, false, false, false, false, true}},
  };
  for (const auto& s : steps) {
    s.act();
    // One read per step: each KeyDown reads the device, so only the first sees the movement.
    const bool first = input->KeyDown(kGameKeys[0]);
    std::vector<bool> down{first};
    for (int i = 1; i < 6; ++i) down.push_back(input->KeyDown(kGameKeys[i]));
    EXPECT_EQ(down, s.down) << s.what;
  }
  EXPECT_FALSE(input->KeyDown(VK_OEM_1));  // outside the table: never down
  EXPECT_EQ(seen.size(), 4u);
  input.reset();
  ASSERT_TRUE(form.OnMouseMove);  // the window's handler is back
  form.moveMouse(1, 1);
  EXPECT_EQ(seen.size(), 5u);
}

TEST_F(InputTest, JoystickAxesAndButtonsStandForTheKeys) {
  FakeJoystick::State stick;
  platform::setJoystickProvider([&] { return std::make_unique<FakeJoystick>(&stick); });
  auto input = make(JoyStick);
  struct Case {
    int x, y;
    bool b0, b1;
    std::vector<bool> down;
  } cases[] = {
      {0, 0, false, false, {false, false, false, false, false, false}},       // centred
      {3000, -3000, false, false, {false, false, false, false, false, false}},  // inside the dead zone
      {-20000, 0, false, false, {true, false, false, false, false, false}},
      {20000, 0, false, false, {false, true, false, false, false, false}},
      {20000, -20000, false, false, {false, false, true, false, false, false}},  // vertical wins
      {0, 32767, false, false, {false, false, false, true, false, false}},
      {-20000, 0, true, false, {false, false, false, false, true, false}},
      {0, 0, true, true, {false, false, false, false, false, true}},
  };
  for (const auto& c : cases) {
    stick = {c.x, c.y, c.b0, c.b1, true};
    EXPECT_EQ(gameKeysDown(*input), c.down) << c.x << "," << c.y;
  }
  stick.attached = false;  // unplugged: Poll fails
  try {
    input->KeyDown(VK_LEFT);
    ADD_FAILURE();
  } catch (const EDirectX& e) {
    EXPECT_EQ(std::string(e.what()), "\r\rAccess to the input device has been lost. It must be reacquired.\r\r");
  }
}

TEST_F(InputTest, StartFailuresRaiseEDirectX) {
  // No joystick attached.
  TGKInput joystick(form);
  joystick.Device = JoyStick;
  EXPECT_THROW(joystick.Initialize(), EDirectX);
  EXPECT_FALSE(joystick.KeyDown(VK_LEFT));

  // A failing DirectInput creation, and a positive success code, both raise.
  for (HResult code : {HResult(0x80004005u), HResult(1)}) {
    TGKInput input(form, [code](std::unique_ptr<TGKDirectInput>&) { return code; });
    try {
      input.Initialize();
      ADD_FAILURE() << code;
    } catch (const EDirectX& e) {
      EXPECT_EQ(e.Code(), code);
    }
  }
}
