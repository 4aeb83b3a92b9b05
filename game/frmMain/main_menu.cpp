#include "game/frmMain/main_menu.h"

#include "platform/core/keys.h"

namespace {

TMenuItem item(std::string name, std::string caption, int key = 0, bool shift = false) {
  return TMenuItem{std::move(name), std::move(caption), key, shift, {}};
}
TMenuItem separator(std::string name) { return item(std::move(name), "-"); }

}  // namespace

std::vector<TMenuItem> defaultMainMenu() {
  using namespace platform;
  TMenuItem file = item("mnuFile", "&Archivo");
  file.Items = {item("mnuOpenGame", "Abrir &juego..."), separator("N3"),
                item("mnuOpenState", "Abrir &estado", VK_F5), item("mnuSaveState", "&Guardar estado", VK_F6),
                separator("N1"), item("mnuExit", "&Salir")};
  TMenuItem game = item("mnuGame", "&Juego");
  game.Items = {item("mnuRestart", "&Reiniciar nivel", VK_F2), item("mnuReturnToMap", "&Volver al mapa", VK_F2, true),
                separator("N6"), item("mnuSecretCode", "&Ingresar c\xF3" "digo secreto")};
  TMenuItem options = item("mnuOptions", "&Opciones");
  options.Items = {item("mnuIncFPS", "&Aumentar FPS", VK_F3), item("mnuDecFPS", "&Disminuir FPS", VK_F4),
                   separator("N4"), item("mnuConfig", "Con&figuraci\xF3n avanzada")};
  TMenuItem help = item("mnuHelp", "&?");
  help.Items = {item("mnuWebSite", "&Web oficial del juego", VK_F1), separator("N2"),
                item("mnuFacebook", "Seguinos en &Facebook"), item("mnuTwitter", "Seguinos en &Twitter"),
                separator("N5"), item("mnuHistory", "Historial de cambios")};
  return {file, game, options, help};
}

TMenuItem* findMenuItem(std::vector<TMenuItem>& menu, const std::string& name) {
  for (TMenuItem& top : menu) {
    if (top.Name == name) return &top;
    for (TMenuItem& sub : top.Items)
      if (sub.Name == name) return &sub;
  }
  return nullptr;
}

std::string DocumentNotOpenedText(const std::string& file) {
  return "No se pudo abrir el archivo " + file +
         ". Compruebe que exista en la carpeta del juego y que haya un programa para abrirlo.";
}
