#pragma once
// The product's addresses and the application title shared by the launcher and
// the main window. Text is Windows-1252.
#include <string>

// The official web site; the other addresses are pages of it.
inline const std::string kWebSiteRoot = "http://www.tobboquest.com.ar/";
// The game's own page there, which the main window's Help item opens.
inline const std::string kGamePage = kWebSiteRoot + "?s=game";

// Caption of both windows and the application's title.
inline const std::string kApplicationTitle = "Tobbo Quest (Versi\xF3n Editable Beta 9.2) - " + kWebSiteRoot;
