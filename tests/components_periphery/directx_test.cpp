#include "components/DirectX/DirectX.h"

#include <gtest/gtest.h>

#include "components/DirectX/result_tables.h"

TEST(DirectXErrorText, TextsByTableOrder) {
  struct Case {
    uint32_t code;
    const char* text;
  } cases[] = {
      {0x00000000u, "No error"},
      {0x887602BCu, "D3DERR_BADMAJORVERSION"},  // 700
      {0x887602C2u, "D3DERR_INITFAILED"},       // 706
      {0x887602C3u, "D3DERR_INITFAILED"},       // 707
      {0x88760826u, "D3DERR_CONFLICTINGTEXTUREPALETTE"},
      {0x80004005u, "Generic failure."},  // the DirectDraw row wins over DirectInput's
      {0x887601C2u,
       "Access to this surface is being refused because the surface memory is gone. The DirectDrawSurface "
       "object representing this surface should have Restore called on it."},
      {0x8876024Bu, "This surface can not be restored because it was created in a different mode."},
      {0x8007000Cu, "The operation cannot be performed unless the device is acquired."},
      {0x8007001Eu, "Access to the input device has been lost. It must be reacquired."},
      {0x00000001u, "The device buffer overflowed, the device is not attached, or the property had no effect."},
      {0x12345678u, "Unrecognized Error: $12345678"},
      {0x0000ABCDu, "Unrecognized Error: $ABCD"},
      {0x887601F4u, "Unrecognized Error: $887601F4"},  // 500 is in no table
  };
  for (const auto& c : cases) EXPECT_EQ(DirectXErrorText(HResult(c.code)), c.text) << std::hex << c.code;
}

TEST(DirectXErrorText, TablesHaveTheirRowsOnce) {
  struct Case {
    const std::vector<dx_tables::ResultRow>& rows;
    size_t size;
  } cases[] = {{dx_tables::directDraw(), 109}, {dx_tables::directInput(), 34}};
  for (const auto& c : cases) {
    EXPECT_EQ(c.rows.size(), c.size);
    for (size_t i = 0; i < c.rows.size(); ++i)
      for (size_t j = i + 1; j < c.rows.size(); ++j) EXPECT_NE(c.rows[i].code, c.rows[j].code);
  }
  for (const auto& row : dx_tables::direct3D())
    EXPECT_TRUE(row.code == 0 || std::string(row.text).rfind("D3DERR_", 0) == 0) << row.text;
}

TEST(DXCheck, RaisesForEveryNonZeroCode) {
  EXPECT_NO_THROW(DXCheck(0));
  for (HResult code : {HResult(1), HResult(0x8007001Eu), HResult(-1)}) {
    try {
      DXCheck(code);
      ADD_FAILURE() << code;
    } catch (const EDirectX& e) {
      EXPECT_EQ(e.Code(), code);
      EXPECT_EQ(std::string(e.what()), "\r\r" + DirectXErrorText(code) + "\r\r");
    }
  }
}
