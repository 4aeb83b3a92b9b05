#include "editor/frmReplace/replace_model.h"

#include <optional>
#include <span>
#include <vector>

#include "editor/Docs/line_helpers.h"
#include "editor/frmFind/find_model.h"
#include "editor/Docs/object_fields.h"

namespace {

std::vector<std::string> splitFields(const std::string& value) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t comma; (comma = value.find(',', start)) != std::string::npos; start = comma + 1)
    fields.push_back(value.substr(start, comma - start));
  fields.push_back(value.substr(start));
  return fields;
}

}  // namespace

void TfmReplaceModel::Prepare(const std::string* selectedLine) {
  FindKind.Show();
  NewKind.Show();
  if (selectedLine) FindKind.SetKind(KindOfLine(*selectedLine));
  NewKind.SetKind(FindKind.Kind);
}

std::string ReplacedLine(TDocKind docKind, const std::string& line, int newKind, bool& lost) {
  lost = false;
  const std::string value = GetValue(line, -1);
  const size_t kindEnd = value.find(',');
  const std::string rest = kindEnd == std::string::npos ? "" : value.substr(kindEnd);
  const std::string head = GetSection(line) + "=" + std::to_string(newKind);
  const int oldKind = KindOfLine(line);
  // Kinds of one page read every field alike, also those the page does not show.
  const TSpritePropPage oldPage = SpritePropPageOf(docKind, oldKind);
  if (oldPage != TSpritePropPage::None && oldPage == SpritePropPageOf(docKind, newKind)) return head + rest;

  // A field stays where the new kind gives its place the meaning it had: a
  // place neither kind reads stays as well.
  const auto oldFields = ObjectFields(docKind, oldKind), newFields = ObjectFields(docKind, newKind);
  const auto meaning = [](std::span<const TObjectField> fields, size_t n) {
    return n < fields.size() ? std::optional<TObjectField>(fields[n]) : std::nullopt;
  };
  std::vector<std::string> fields = splitFields(value);
  for (size_t i = 2; i < fields.size(); ++i) {
    if (fields[i].empty() || meaning(oldFields, i - 2) == meaning(newFields, i - 2)) continue;
    fields[i].clear();
    lost = true;
  }
  if (!lost) return head + rest;
  while (fields.size() > 2 && fields.back().empty()) fields.pop_back();
  std::string out = head;
  for (size_t i = 1; i < fields.size(); ++i) out += "," + fields[i];
  return out;
}

std::string ReplaceLossQuestion(int count, int findKind, int newKind) {
  const std::string objects = count == 1 ? "Un objeto" : std::to_string(count) + " objetos";
  return objects + " de tipo " + std::to_string(findKind) + (count == 1 ? " tiene" : " tienen") +
         " datos que el tipo " + std::to_string(newKind) +
         " no usa o lee con otro sentido (un enlace, un contenido u otra propiedad): al reemplazar" +
         (count == 1 ? "lo" : "los") + " se perder\xE1n. \xBF" "Desea reemplazar de todos modos?";
}

std::string ReplaceStartText(const EReplaceStart& e) {
  return "El tipo 0 es la salida del jugador: el juego empieza en su celda y no construye all\xED ning\xFAn objeto, "
         "as\xED que con el tipo " + std::to_string(e.NewKind) +
         " el editor mostrar\xED" "a un objeto que el juego no muestra. No se reemplaz\xF3 nada. Para mover la salida, "
         "col\xF3quela en otra celda con la paleta.";
}

int ReplaceObjects(TDocument& doc, int findKind, int newKind,
                   const std::function<bool(const std::string& question)>& confirm) {
  if (findKind == 0 && newKind != 0 && !doc.Objects.empty() && LineHasKind(doc.Objects[0], 0))
    throw EReplaceStart(newKind);
  std::vector<std::pair<size_t, std::string>> replaced;
  int losing = 0;
  for (size_t i = 0; i < doc.Objects.size(); ++i) {
    if (!LineHasKind(doc.Objects[i], findKind)) continue;
    bool lost = false;
    replaced.emplace_back(i, ReplacedLine(doc.DocKind, doc.Objects[i], newKind, lost));
    losing += lost;
  }
  if (losing > 0 && !(confirm && confirm(ReplaceLossQuestion(losing, findKind, newKind)))) return 0;
  for (auto& [index, line] : replaced) {
    if (doc.Objects[index] == line) continue;
    doc.Objects[index] = std::move(line);
    doc.Modified = true;
  }
  return int(replaced.size());
}
