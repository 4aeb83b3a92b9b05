#pragma once
// The document window without its widgets: the document, its rendering into
// one bitmap, the zoomed paint box, grid editing and the status texts. The Qt
// window (TfmChild) shows it; tests drive it directly.
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "editor/Docs/document.h"
#include "editor/Docs/number_fields.h"
#include "editor/components/TGKEditorImageLib.h"
#include "editor/frmChild/child_host.h"
#include "editor/frmChild/kind_images.h"
#include "editor/frmChild/text_view.h"
#include "platform/draw/gdi_bitmap.h"
#include "platform/draw/geometry.h"


enum TMouseButton { mbLeft, mbRight, mbMiddle };

// Status panel 0 when the armed kind is not placed: the cell holds another object.
inline constexpr const char* kCellTaken = "Celda ocupada";

// The question before "Eliminar todos" empties a level or a world map; name is
// the document's file name.
std::string DeleteAllQuestion(TDocKind kind, const std::string& name);

// The zoom factors of the main window's zoom box, by item.
inline constexpr double kZoomFactors[] = {0.25, 0.5, 1.0, 1.5, 2.0, 4.0};
// Where the paint box stands while the rulers show (zoom 1.0).
inline constexpr int kRulerSize = 20;

class TChildView {
 public:
  // windowCount is the number of document windows the main window holds now.
  TChildView(TChildHost& host, std::filesystem::path programFolder, int windowCount);

  TDocument Doc;  // [Options], the object list, FileName, DocKind and Modified
  std::string Caption;
  double Zoom = 1.0;
  bool GridVisible = false;
  TKindImageTable KindImages;
  TGKEditorImageLib DXImages;
  platform::GdiBitmap LevelBitmap;  // ResFactor x Width by ResFactor x Height
  platform::GdiBitmap BackBitmap;   // the background picture at the level's size
  bool HasBackBitmap = false;
  int SelectedIndex = -1;
  std::string Text;  // what the text page shows (line breaks "\n", Windows-1252)

  // The paint box: place, size, rulers, and the armed kind (a cross cursor).
  platform::TPoint PbPos{kRulerSize, kRulerSize};
  int PbWidth = 0, PbHeight = 0;
  bool RulersVisible = true;
  int ArmedKind() const { return pbTag_; }
  bool Armed() const { return pbCross_; }
  void ArmKind(int kind);
  void Disarm() { pbCross_ = false; }
  // The paint box's kind alone, as a fill leaves it: the cursor, and so
  // whether a click inserts, stays as the palette set it.
  void SetPbTag(int kind) { pbTag_ = kind; }

  // The widgets follow: a repaint of the paint box, and a change of its place,
  // size or rulers (after rendering and zooming).
  std::function<void(TChildView& sender)> OnRepaint;
  std::function<void(TChildView& sender)> OnLayout;
  // The text page got new text.
  std::function<void(TChildView& sender)> OnTextLoaded;

  void BuildKindTable(TDocKind kind) { KindImages = KindImagesOf(kind); }
  // Loads the document's image library (program folder + ImageLib); a missing or
  // damaged library leaves it empty.
  void InitView();
  // The text page from the file, or from Doc.Text for a game never saved.
  void LoadTextView();
  // Rebuilds LevelBitmap from the fields and the object list; the selection goes.
  void Render();
  void Repaint();
  void UpdateStatus();
  // Caption from the file once it exists.
  void UpdateFileCaption();

  // The grid.
  int CellSize() const;
  platform::TPoint CellOfPoint(int x, int y) const;
  // The zoomed rectangle an object line covers; throws for a bad line.
  platform::TRect HitRect(std::string_view line) const;
  void MouseDown(TMouseButton button, int x, int y);
  void MouseMove(bool leftHeld, int x, int y);

  void DeleteSelected();
  void DeleteAll();
  void BringToFront();
  void SendToBack();

  void SetZoom(double zoom);
  // The zoom box item of Zoom.
  int ZoomItem() const;
  // The palette glyphs and status follow this window; returns the zoom box item.
  int Activate();

  // The paint box's picture: the stretched level, the selection and the grid
  // inverted; target is sized to the paint box.
  void PaintPb(platform::GdiBitmap& target) const;
  // The part clip of that picture (paint-box coordinates), pixel for pixel the
  // same; target is sized to clip. A repaint needs no more than it shows, so a
  // long level at a high zoom is not drawn whole for every change.
  void PaintPb(platform::GdiBitmap& target, platform::TRect clip) const;

 private:
  struct TLineCell {
    int column, row, kind;
  };
  TLineCell parseLine(std::string_view line) const;
  // The kind's first image index, checked against the table.
  int imageOfKind(int kind) const;
  // Width and height of the kind's first image; a cell when the library lacks it.
  platform::TSize imageSize(int kind) const;
  std::string lineAt(int x, int y) const;
  // The index of the line in that cell, or -1.
  int lineOfCell(platform::TPoint cell) const;
  void insertAt(int x, int y);
  // Puts the armed kind into the cell under the point unless the cell holds an
  // object; true when it did.
  bool placeAt(int x, int y);
  void useBackgroundColor();

  TChildHost& host_;
  std::filesystem::path programFolder_;
  int pbTag_ = 0;
  bool pbCross_ = false;
};
