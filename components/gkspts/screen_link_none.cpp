#include "components/gkspts/screen_link.h"

#include "platform/core/keys.h"

// Until the screen exists: no bounds, no images; keys from the key-state table.
namespace screen_link {

TGKBounds clipRect(TGKScreen&) { return {}; }
void imageSize(TGKScreen&, int, int32_t&, int32_t&) {}
bool keyDown(TGKScreen&, uint16_t vk) { return (platform::GetAsyncKeyState(vk) & 0x8000) != 0; }
void setKeys(TGKScreen&, uint16_t, uint16_t, uint16_t, uint16_t, uint16_t, uint16_t) {}
void drawImage(TGKScreen&, int, int, int) {}

}  // namespace screen_link
