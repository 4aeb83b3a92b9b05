#pragma once
// One call per selector for the dialogs that choose a level's or world map's
// files: the selector (one instance for the run, so it keeps its view style)
// shown modally at startFile (a full path, or empty), and the chosen full
// path on "&Aceptar", nothing on cancel.
#include <optional>
#include <string>

class QWidget;

std::optional<std::string> SelectBackground(QWidget* parent, const std::string& startFile);
std::optional<std::string> SelectSpriteLibrary(QWidget* parent, const std::string& startFile);
std::optional<std::string> SelectSoundLibrary(QWidget* parent, const std::string& startFile);
// propertiesMode: 0 new level, 1 new world map, 10 the properties of the
// active document (a world map when activeDocumentIsWorld).
std::optional<std::string> SelectMidiFile(QWidget* parent, const std::string& startFile, int propertiesMode,
                                          bool activeDocumentIsWorld);
