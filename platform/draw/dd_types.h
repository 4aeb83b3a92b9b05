#pragma once
// Result codes, flags and the palette entry of our DirectDraw stand-in. The codes
// keep their customary values so that traces and texts stay recognisable.
#include <cstdint>

namespace platform {

using HRESULT = int32_t;

constexpr HRESULT DD_OK = 0;
constexpr HRESULT ddError(uint32_t code) { return HRESULT(0x88760000u | code); }
constexpr HRESULT DDERR_GENERIC = HRESULT(0x80004005u);
constexpr HRESULT DDERR_UNSUPPORTED = HRESULT(0x80004001u);
constexpr HRESULT E_OUTOFMEMORY = HRESULT(0x8007000Eu);
constexpr HRESULT E_INVALIDARG = HRESULT(0x80070057u);
constexpr HRESULT DDERR_INVALIDPARAMS = E_INVALIDARG;
constexpr HRESULT DDERR_OUTOFMEMORY = E_OUTOFMEMORY;
constexpr HRESULT DDERR_INVALIDOBJECT = ddError(130);
constexpr HRESULT DDERR_INVALIDRECT = ddError(150);
constexpr HRESULT DDERR_NOEXCLUSIVEMODE = ddError(225);
constexpr HRESULT DDERR_NOTLOCKED = ddError(584);
constexpr HRESULT DDERR_SURFACEBUSY = ddError(430);
constexpr HRESULT DDERR_SURFACELOST = ddError(450);
constexpr HRESULT DDERR_HWNDSUBCLASSED = ddError(566);
constexpr HRESULT DDERR_HWNDALREADYSET = ddError(567);
constexpr HRESULT DDERR_EXCLUSIVEMODEALREADYSET = ddError(581);
constexpr HRESULT DDERR_WRONGMODE = ddError(587);
constexpr HRESULT DDERR_NOTFLIPPABLE = ddError(582);

inline bool FAILED(HRESULT hr) { return hr < 0; }
inline bool SUCCEEDED(HRESULT hr) { return hr >= 0; }

// Cooperative levels.
constexpr uint32_t DDSCL_FULLSCREEN = 0x01;
constexpr uint32_t DDSCL_ALLOWREBOOT = 0x02;
constexpr uint32_t DDSCL_NOWINDOWCHANGES = 0x04;
constexpr uint32_t DDSCL_NORMAL = 0x08;
constexpr uint32_t DDSCL_EXCLUSIVE = 0x10;
constexpr uint32_t DDSCL_ALLOWMODEX = 0x40;

// BltFast flags.
constexpr uint32_t DDBLTFAST_NOCOLORKEY = 0x00;
constexpr uint32_t DDBLTFAST_SRCCOLORKEY = 0x01;
constexpr uint32_t DDBLTFAST_WAIT = 0x10;

// One entry of an 8-bit palette.
struct PALETTEENTRY {
  uint8_t peRed = 0, peGreen = 0, peBlue = 0, peFlags = 0;
  bool operator==(const PALETTEENTRY&) const = default;
};

}  // namespace platform
