#include "editor/frmMain/toolbar_glyphs.h"

#include <utility>

namespace {

constexpr std::pair<std::string_view, std::string_view> kGlyphs[] = {
    {"Nuevo...", "new"},
    {"Abrir", "open"},
    {"Guardar", "save"},
    {"Guardar todos", "save_all"},
    {"Cerrar", "close"},
    {"Eliminar", "delete"},
    {"Eliminar todos", "delete_all"},
    {"Buscar...", "find"},
    {"Buscar siguiente", "find_next"},
    {"Reemplazar...", "replace"},
    {"Grilla", "grid"},
    {"Ayuda", "help"},
    {"Cascada", "cascade"},
    {"Mosaico horizontal", "tile_horizontal"},
    {"Mosaico vertical", "tile_vertical"},
    {"Organizar \xED" "conos", "arrange_icons"},
    {"Propiedades del nivel", "properties"},
    {"Guardar y ejecutar", "run"},
    {"Actualizar", "refresh"},
    {"Llenar con...", "fill"},
    {"Traer al frente", "bring_to_front"},
    {"Enviar al fondo", "send_to_back"},
    {"Color de fondo", "back_colour"},
};

}  // namespace

std::string_view ToolbarGlyphName(std::string_view hint) {
  for (const auto& [h, name] : kGlyphs)
    if (h == hint) return name;
  return {};
}

std::filesystem::path ToolbarGlyphFile(const std::string& programFolder, std::string_view hint) {
  const std::string_view name = ToolbarGlyphName(hint);
  if (name.empty()) return {};
  return std::filesystem::path(programFolder) / "resources" / "glyphs" / (std::string(name) + ".bmp");
}
