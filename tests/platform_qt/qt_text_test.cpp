// The boundary to Qt: the disk's names cross it whole, whatever their letters;
// the programs' 8-bit text crosses it as Windows-1252.
#include "platform/qt/text/qt_text.h"

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using namespace platform::qt;

namespace {

TEST(QtText, DiskNamesAndStoredTextCrossEachInItsCoding) {
  for (const char* name : {"/juegos/A\u00f1o Jos\u00e9/Hopz/hopz.tqg", "/\u0414\u043e\u043c/\u0441\u0430\u0434.tql",
                           "/g/\u6e38\u620f/a.tql", "/g/Za\u017c\u00f3\u0142\u0107/\u03b1.tql"}) {
    SCOPED_TRACE(name);
    const fs::path path(name);
    EXPECT_EQ(qPath(path).toStdString(), name);
    EXPECT_EQ(diskPath(qPath(path)), path);
  }
  EXPECT_EQ(qs("A\xF1o \x80").toStdString(), "A\u00f1o \u20ac");
  EXPECT_EQ(cp(QString::fromUtf8("A\u00f1o \u20ac \u0414")), "A\xF1o \x80 ?");
}

}  // namespace
