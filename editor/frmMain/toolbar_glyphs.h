#pragma once
// Where each toolbar button of the main window finds its glyph: a 16x16 BMP of
// the program folder's resources/glyphs, named after what the button does.
#include <filesystem>
#include <string>
#include <string_view>

// The glyph's file name (without extension) for a toolbar button's hint
// (Windows-1252); empty for a hint that has no glyph.
std::string_view ToolbarGlyphName(std::string_view hint);

// programFolder/resources/glyphs/<name>.bmp; empty when the hint has no glyph.
std::filesystem::path ToolbarGlyphFile(const std::string& programFolder, std::string_view hint);
