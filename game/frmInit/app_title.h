#pragma once
// The product's addresses, the application title and what a page that does not
// open says, shared by the launcher and the main window. Text is Windows-1252.
#include <string>

// The official web site; the other addresses are pages of it.
inline const std::string kWebSiteRoot = "http://www.tobboquest.com.ar/";
// The game's own page there, which the main window's Help item opens.
inline const std::string kGamePage = kWebSiteRoot + "?s=game";

// Caption of both windows and the application's title.
inline const std::string kApplicationTitle = "Tobbo Quest (Versi\xF3n Editable Beta 9.2) - " + kWebSiteRoot;

// The error both windows show when no browser takes one of their pages.
inline std::string WebPageNotOpenedText(const std::string& url) {
  return "No se pudo abrir la p\xE1gina " + url + ". Compruebe que haya un navegador para abrirla.";
}
