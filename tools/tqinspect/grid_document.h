#pragma once
// What levels and world maps share: the common [Options] keys and the [Sprites]
// object lines.
#include <ostream>
#include <string>

#include "editor/Docs/document.h"
#include "tools/tqinspect/profile_check.h"

// The [Options] keys both kinds hold; throws TInspectError naming the line of a
// key that is not a number or out of its range.
void CheckSharedOptions(const TProfileText& text);
// Every [Sprites] line must have a cell key (row * 65536 + column) and a kind in 0..kindCount-1.
void CheckObjectLines(const TProfileText& text, int kindCount, const char* kindName);

void PrintSharedOptions(const TDocument& doc, std::ostream& out);
// The count, the first (start) object and how many of each kind.
void PrintObjects(const TDocument& doc, std::ostream& out);
// Sections the editor does not write, which it keeps on saving.
void PrintOtherSections(const TProfileText& text, std::ostream& out);
