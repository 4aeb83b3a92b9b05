#include "editor/frmChild/child_view.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <fstream>
#include <iterator>

#include "editor/Docs/document_io.h"
#include "editor/Docs/line_helpers.h"
#include "platform/core/bitmap.h"
#include "platform/core/paths.h"

using platform::TPoint;
using platform::TRect;

namespace {

// Round to the nearest whole number, halves to even.
int roundEven(double v) { return int(std::nearbyint(v)); }

// Bitmaps above this many pixels are refused rather than allocated.
constexpr long long kMaxLevelPixels = 64LL * 1024 * 1024;

void invertRect(platform::PixelView view, TRect r) {
  TRect clipped;
  if (!platform::IntersectRect(clipped, r, {0, 0, view.width, view.height})) return;
  for (int y = clipped.Top; y < clipped.Bottom; ++y) {
    uint32_t* row = reinterpret_cast<uint32_t*>(view.row(y));
    for (int x = clipped.Left; x < clipped.Right; ++x) row[x] ^= 0x00FFFFFF;
  }
}

std::string countText(size_t count) {
  return std::to_string(count) + (count == 1 ? " objeto" : " objetos");
}

std::string readWholeFile(const std::string& fileName) {
  std::ifstream in(platform::resolvePath(fileName), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

std::string DeleteAllQuestion(TDocKind kind, const std::string& name) {
  return std::string("\xBF" "Confirma que desea eliminar todos los objetos del ") +
         (kind == DocLevel ? "nivel" : "mundo") + " \"" + name + "\"?";
}

TChildView::TChildView(TChildHost& host, std::filesystem::path programFolder, int windowCount)
    : host_(host), programFolder_(std::move(programFolder)) {
  Caption = "Nuevo " + std::to_string(windowCount);
}

void TChildView::ArmKind(int kind) {
  pbTag_ = kind;
  pbCross_ = true;
}

// --- opening ---------------------------------------------------------------

void TChildView::LoadTextView() {
  if (Doc.DocKind == DocGame) Text = TextViewText(Doc.Text);
  else if (!Doc.FileName.empty() && platform::fileExists(Doc.FileName.native()))
    Text = TextViewText(readWholeFile(Doc.FileName.native()));
  else Text.clear();
  if (OnTextLoaded) OnTextLoaded(*this);
}

void TChildView::InitView() {
  host_.SetStatusText(0, Doc.DocKind == DocLevel ? "Inicializando nivel..." : "Inicializando mapa...");
  try {
    DXImages.LoadFromFile(platform::resolvePath(Doc.ImageLib, programFolder_).string());
  } catch (const std::exception&) {
    DXImages.SetImages(TGKImages());
  }
  host_.SetStatusText(0, "Listo");
}

void TChildView::UpdateFileCaption() {
  if (!Doc.FileName.empty() && platform::fileExists(Doc.FileName.native()))
    Caption = platform::extractFileName(platform::pathText(Doc.FileName));
}

// --- object lines ----------------------------------------------------------

TChildView::TLineCell TChildView::parseLine(std::string_view line) const {
  const TObjectCell cell = CellOfKeyNumber(ObjectLineNumber(GetSection(line)));
  return {cell.column, cell.row, ObjectLineNumber(GetValue(line, 0))};
}

int TChildView::imageOfKind(int kind) const {
  if (kind < 0 || kind >= int(KindImages.size()))
    throw std::out_of_range("List index out of bounds (" + std::to_string(kind) + ")");
  return KindImages[size_t(kind)];
}

platform::TSize TChildView::imageSize(int kind) const {
  const int image = imageOfKind(kind);
  if (image >= DXImages.GetCount()) return {Doc.ResFactor, Doc.ResFactor};
  const TGKImageEntry& header = DXImages.Images().GetImageHeader(image);
  return {header.Width, header.Height};
}

int TChildView::CellSize() const { return roundEven(Zoom * Doc.ResFactor); }

TPoint TChildView::CellOfPoint(int x, int y) const {
  const int s = CellSize();
  if (s <= 0) return {};
  return {x / s, y / s};
}

TRect TChildView::HitRect(std::string_view line) const {
  const TLineCell cell = parseLine(line);
  const platform::TSize size = imageSize(cell.kind);
  // In double: far cells of a level of large cells at a high zoom lie beyond
  // int; their edges stop at int's end, where no click reaches.
  const auto pixel = [](double v) { return int(std::clamp(v, double(INT_MIN), double(INT_MAX))); };
  const double left = std::nearbyint(Zoom * Doc.ResFactor * cell.column);
  const double top = std::nearbyint(Zoom * Doc.ResFactor * cell.row);
  return {pixel(left), pixel(top), pixel(left + std::nearbyint(Zoom * size.cx)),
          pixel(top + std::nearbyint(Zoom * size.cy))};
}

std::string TChildView::lineAt(int x, int y) const {
  const TPoint cell = CellOfPoint(x, y);
  return std::to_string(CellKey(cell.X, cell.Y)) + "=" + std::to_string(pbTag_) + ",1,";
}

int TChildView::lineOfCell(TPoint cell) const {
  const int key = CellKey(cell.X, cell.Y);
  for (size_t i = 0; i < Doc.Objects.size(); ++i)
    if (CellOfLine(Doc.Objects[i]) == key) return int(i);
  return -1;
}

void TChildView::useBackgroundColor() {
  DXImages.UseBackgroundColor = true;
  DXImages.BackgroundColor = platform::TColor(Doc.BgColor);
}

// --- rendering and painting ------------------------------------------------

void TChildView::Render() {
  host_.SetStatusText(0, "Dibujando...");
  host_.ShowProgress(std::max<int>(0, int(Doc.Objects.size()) - 1));
  useBackgroundColor();
  SelectedIndex = -1;

  // Keys hold the column in 16 bits and the row in 15 (the key stays positive).
  const long long w = std::max(0, Doc.Width), h = std::max(0, Doc.Height), rf = std::max(0, Doc.ResFactor);
  if (w > 65536 || h > 32768 || w * rf * h * rf > kMaxLevelPixels) {
    host_.HideProgress();
    throw ELevelSize(Doc.DocKind, Caption, Doc.Width, Doc.Height, Doc.ResFactor);
  }
  LevelBitmap.SetSize(int(w * rf), int(h * rf), 32);
  PbWidth = roundEven(Zoom * LevelBitmap.Width());
  PbHeight = roundEven(Zoom * LevelBitmap.Height());
  if (OnLayout) OnLayout(*this);

  HasBackBitmap = false;
  if (LevelBitmap.Empty()) {
    // Nothing to draw on; the lines are still checked.
    for (const std::string& line : Doc.Objects) imageOfKind(parseLine(line).kind);
    host_.HideProgress();
    host_.SetStatusText(0, "Listo");
    host_.RefreshPaletteGlyphs(*this);
    return;
  }
  platform::Canvas& canvas = LevelBitmap.Canvas();
  std::string picture;
  if (!Doc.BgImage.empty()) {
    if (platform::fileExists(Doc.BgImage)) picture = Doc.BgImage;
    else if (platform::fileExists(Doc.BgImage, programFolder_))
      picture = platform::resolvePath(Doc.BgImage, programFolder_).string();
  }
  if (!picture.empty()) {
    try {
      platform::GdiBitmap loaded;
      loaded.LoadFromFile(picture);
      BackBitmap.SetSize(LevelBitmap.Width(), LevelBitmap.Height(), 32);
      BackBitmap.Canvas().StretchDraw({0, 0, BackBitmap.Width(), BackBitmap.Height()}, loaded);
      canvas.Draw(0, 0, BackBitmap);
      HasBackBitmap = true;
    } catch (const platform::BmpError&) {
      // A damaged picture is treated as a missing one.
    }
  }
  if (!HasBackBitmap) {
    canvas.Brush.Style = platform::bsSolid;
    canvas.Brush.Color = platform::TColor(Doc.BgColor);
    canvas.FillRect({0, 0, LevelBitmap.Width(), LevelBitmap.Height()});
  }

  try {
    for (const std::string& line : Doc.Objects) {
      const TLineCell cell = parseLine(line);
      DXImages.DrawTransparentEditor(canvas, cell.column * Doc.ResFactor, cell.row * Doc.ResFactor,
                                     imageOfKind(cell.kind));
      host_.StepProgress();
    }
  } catch (const std::exception&) {
    // The lines before the bad one stay drawn; the bar does not stay busy.
    host_.HideProgress();
    host_.SetStatusText(0, "Listo");
    throw;
  }
  host_.HideProgress();
  host_.SetStatusText(0, "Listo");
  host_.RefreshPaletteGlyphs(*this);
}

void TChildView::Repaint() {
  if (OnRepaint) OnRepaint(*this);
}

void TChildView::PaintPb(platform::GdiBitmap& target) const { PaintPb(target, {0, 0, PbWidth, PbHeight}); }

void TChildView::PaintPb(platform::GdiBitmap& target, TRect clip) const {
  if (!platform::IntersectRect(clip, clip, {0, 0, PbWidth, PbHeight})) clip = {};
  target.SetSize(clip.width(), clip.height(), 32);
  if (target.Empty()) return;
  // Everything is drawn at its place in the whole picture, shifted by the clip.
  const auto shifted = [&clip](TRect r) {
    return TRect{r.Left - clip.Left, r.Top - clip.Top, r.Right - clip.Left, r.Bottom - clip.Top};
  };
  if (!LevelBitmap.Empty()) target.Canvas().StretchDraw(shifted({0, 0, PbWidth, PbHeight}), LevelBitmap);
  const platform::PixelView view = target.view();
  if (SelectedIndex >= 0 && SelectedIndex < int(Doc.Objects.size())) {
    try {
      invertRect(view, shifted(HitRect(Doc.Objects[size_t(SelectedIndex)])));
    } catch (const std::exception&) {
      // A line that cannot be read has no rectangle to mark.
    }
  }
  if (GridVisible) {
    const double step = Zoom * Doc.ResFactor;
    const int right = roundEven(step * Doc.Width), bottom = roundEven(step * Doc.Height);
    for (int i = 0; i <= Doc.Width; ++i) {
      const int x = roundEven(step * i);
      invertRect(view, shifted({x, 0, x + 1, bottom}));
    }
    for (int j = 0; j <= Doc.Height; ++j) {
      const int y = roundEven(step * j);
      invertRect(view, shifted({0, y, right, y + 1}));
    }
  }
}

// --- status ----------------------------------------------------------------

void TChildView::UpdateStatus() {
  // A game is text alone: nothing to count or select, as when it was opened.
  if (Doc.DocKind == DocGame) {
    host_.SetStatusText(1, "");
    host_.SetStatusText(2, "");
    return;
  }
  const size_t count = Doc.Objects.size();
  if (SelectedIndex < 0 || SelectedIndex >= int(count)) {
    host_.SetStatusText(1, countText(count));
    host_.SetStatusText(2, "");
    return;
  }
  host_.SetStatusText(1, "\xCDndice: " + std::to_string(SelectedIndex) + " (" + countText(count) + ")");
  const std::string& line = Doc.Objects[size_t(SelectedIndex)];
  const std::string field0 = GetValue(line, 0);
  const int image = imageOfKind(ObjectLineNumber(field0));
  const std::string name = image < DXImages.GetCount() ? DXImages.Images().GetImageHeader(image).NameText() : "";
  host_.SetStatusText(2, "Animaci\xF3n: " + field0 + " (" + name + ")");
}

// --- editing on the grid ---------------------------------------------------

void TChildView::insertAt(int x, int y) {
  const TPoint cell = CellOfPoint(x, y);
  const int image = imageOfKind(pbTag_);
  DXImages.DrawTransparentEditor(LevelBitmap.Canvas(), cell.X * Doc.ResFactor, cell.Y * Doc.ResFactor, image);
  const std::string line = lineAt(x, y);
  if (pbTag_ == 0) {
    Doc.Objects.insert(Doc.Objects.begin(), line);
    SelectedIndex = 0;
  } else {
    Doc.Objects.push_back(line);
    SelectedIndex = int(Doc.Objects.size()) - 1;
  }
  Doc.Modified = true;
  host_.SetStatusText(0, "Listo");
  Repaint();
  UpdateStatus();
}

bool TChildView::placeAt(int x, int y) {
  const int held = lineOfCell(CellOfPoint(x, y));
  if (held < 0) {
    insertAt(x, y);
    return true;
  }
  // A cell holds one object, as the file and the game do: the one there stays.
  if (!platform::sameText(Doc.Objects[size_t(held)], lineAt(x, y))) host_.SetStatusText(0, kCellTaken);
  return false;
}

void TChildView::MouseDown(TMouseButton, int x, int y) {
  useBackgroundColor();
  // Only points on the paint box name a cell of the level.
  if (x < 0 || y < 0 || x >= PbWidth || y >= PbHeight || LevelBitmap.Empty()) return;
  if (pbCross_ && placeAt(x, y)) return;
  SelectedIndex = -1;
  for (int i = int(Doc.Objects.size()) - 1; i >= 0; --i) {
    if (HitRect(Doc.Objects[size_t(i)]).contains(x, y)) {
      SelectedIndex = i;
      break;
    }
  }
  Repaint();
  UpdateStatus();
}

void TChildView::MouseMove(bool leftHeld, int x, int y) {
  host_.HideHint();
  if (!leftHeld || !pbCross_) return;
  // The pointer is captured while the button is held and may leave the paint box.
  if (x < 0 || y < 0 || x >= PbWidth || y >= PbHeight || LevelBitmap.Empty()) return;
  placeAt(x, y);
}

void TChildView::DeleteSelected() {
  if (SelectedIndex < 0 || SelectedIndex >= int(Doc.Objects.size()) || LevelBitmap.Empty()) return;
  const TLineCell cell = parseLine(Doc.Objects[size_t(SelectedIndex)]);
  const platform::TSize size = imageSize(cell.kind);
  const TRect r = platform::Bounds(cell.column * Doc.ResFactor, cell.row * Doc.ResFactor, size.cx, size.cy);
  platform::Canvas& canvas = LevelBitmap.Canvas();
  if (HasBackBitmap) {
    canvas.CopyRect(r, BackBitmap.Canvas(), r);
  } else {
    canvas.Brush.Style = platform::bsSolid;
    canvas.Brush.Color = platform::TColor(Doc.BgColor);
    canvas.FillRect(r);
  }
  Doc.Objects.erase(Doc.Objects.begin() + SelectedIndex);
  Doc.Modified = true;
  SelectedIndex = -1;
  host_.SetStatusText(1, countText(Doc.Objects.size()));
  host_.SetStatusText(2, "");
  Repaint();
}

void TChildView::DeleteAll() {
  const std::string name = platform::extractFileName(platform::pathText(Doc.FileName));
  if (!host_.ConfirmYesNo(DeleteAllQuestion(Doc.DocKind, name), "Confirmar la eliminaci\xF3n")) return;
  if (!Doc.Objects.empty()) Doc.Modified = true;
  Doc.Objects.clear();
  SelectedIndex = -1;
  Render();
  Repaint();
  UpdateStatus();
}

void TChildView::BringToFront() {
  // Index 0 stays first: it is the player's start.
  if (SelectedIndex < 1 || SelectedIndex >= int(Doc.Objects.size())) return;
  const std::string line = Doc.Objects[size_t(SelectedIndex)];
  Doc.Objects.push_back(line);
  Doc.Objects.erase(Doc.Objects.begin() + SelectedIndex);
  // The drawing order is saved: a line that moved is a change.
  if (SelectedIndex + 1 < int(Doc.Objects.size())) Doc.Modified = true;
  Render();
  Repaint();
  UpdateStatus();
}

void TChildView::SendToBack() {
  if (SelectedIndex < 0 || SelectedIndex >= int(Doc.Objects.size())) return;
  // Index 0 stays first: it is the player's start.
  const std::string line = Doc.Objects[size_t(SelectedIndex)];
  Doc.Objects.insert(Doc.Objects.begin() + 1, line);
  Doc.Objects.erase(Doc.Objects.begin() + SelectedIndex + 1);
  if (SelectedIndex > 1) Doc.Modified = true;
  Render();
  Repaint();
  UpdateStatus();
}

// --- zoom and activation ---------------------------------------------------

void TChildView::SetZoom(double zoom) {
  Zoom = zoom;
  if (!LevelBitmap.Empty()) {
    PbWidth = roundEven(LevelBitmap.Width() * Zoom);
    PbHeight = roundEven(LevelBitmap.Height() * Zoom);
  }
  RulersVisible = Zoom == 1.0;
  PbPos = RulersVisible ? TPoint{kRulerSize, kRulerSize} : TPoint{0, 0};
  if (OnLayout) OnLayout(*this);
  Repaint();
}

int TChildView::ZoomItem() const {
  for (int i = 0; i < int(std::size(kZoomFactors)); ++i)
    if (kZoomFactors[i] == Zoom) return i;
  return 2;
}

int TChildView::Activate() {
  if (!KindImages.empty()) host_.RefreshPaletteGlyphs(*this);
  UpdateStatus();
  return ZoomItem();
}
