// The main window's dialogs (each made on first use and kept for the run) and
// the commands that go through them.
#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include "editor/Docs/document_io.h"
#include "editor/Selectors/select_resource.h"
#include "editor/frmChild/frmChild.h"
#include "editor/frmColor/TfmColor.h"
#include "editor/frmFill/TfmFill.h"
#include "editor/frmFind/TfmFind.h"
#include "editor/frmLevelProp/TfmLevelProp.h"
#include "editor/frmMain/frmMain.h"
#include "editor/frmMain/kind_preview.h"
#include "editor/frmPassword/TfmPassword.h"
#include "editor/frmReplace/TfmReplace.h"
#include "editor/frmSpriteProp/TfmSpriteProp.h"
#include "toolbars/TBZCtls/TBZCtls.h"

namespace {

// The kind choosers' previews show the active document's images.
void drawPreviewsOf(TKindChooserBox* box, TfmMain& form) {
  box->OnDrawPreview = [&form](TKindChooserBox& sender, int kind) {
    return KindPreview(form.ActiveView(), kind, sender.Preview()->width());
  };
}

}  // namespace

TChildView* TfmMain::ActiveView() const {
  TfmChild* child = activeChild();
  return child ? &child->View() : nullptr;
}

const std::string* TfmMain::selectedLine() const {
  TChildView* view = ActiveView();
  if (!view || view->SelectedIndex < 0 || view->SelectedIndex >= int(view->Doc.Objects.size())) return nullptr;
  return &view->Doc.Objects[size_t(view->SelectedIndex)];
}

TfmLevelProp& TfmMain::fmLevelProp() {
  if (fmLevelProp_) return *fmLevelProp_;
  fmLevelProp_ = new TfmLevelProp(this);
  fmLevelProp_->ProgramFolder = commands_->ProgramFolder();
  AttachHints(*ToolInfo, fmLevelProp_);
  fmLevelProp_->OnSelectFile = [this](TfmLevelProp& sender, TLevelPropFile file,
                                      const std::string& start) -> std::optional<std::string> {
    switch (file) {
      case TLevelPropFile::BgImage: return SelectBackground(&sender, start);
      case TLevelPropFile::ImageLib: return SelectSpriteLibrary(&sender, start);
      case TLevelPropFile::SoundLib: return SelectSoundLibrary(&sender, start);
      case TLevelPropFile::MIDIFile: {
        const TChildView* view = ActiveView();
        return SelectMidiFile(&sender, start, sender.Model.Tag, view && view->Doc.DocKind == DocWorldMap);
      }
    }
    return std::nullopt;
  };
  return *fmLevelProp_;
}

TfmFind& TfmMain::fmFind() {
  if (!fmFind_) {
    fmFind_ = new TfmFind(this);
    drawPreviewsOf(fmFind_->Chooser(), *this);
  }
  return *fmFind_;
}

TfmReplace& TfmMain::fmReplace() {
  if (!fmReplace_) {
    fmReplace_ = new TfmReplace(this);
    drawPreviewsOf(fmReplace_->FindKind(), *this);
    drawPreviewsOf(fmReplace_->NewKind(), *this);
  }
  return *fmReplace_;
}

TfmFill& TfmMain::fmFill() {
  if (!fmFill_) {
    fmFill_ = new TfmFill(this);
    drawPreviewsOf(fmFill_->Chooser(), *this);
  }
  return *fmFill_;
}

TfmColor& TfmMain::fmColor() {
  if (!fmColor_) {
    fmColor_ = new TfmColor(this);
    // The pop-up is shown for the active document and closes when it loses
    // activation, so the active window is the one whose colour changed.
    fmColor_->OnPicked = [this](TfmColor&) {
      if (TfmChild* child = activeChild()) child->Render();
    };
  }
  return *fmColor_;
}

TfmPassword& TfmMain::fmPassword() {
  if (!fmPassword_) fmPassword_ = new TfmPassword(this);
  return *fmPassword_;
}

TfmSpriteProp& TfmMain::fmSpriteProp() {
  if (!fmSpriteProp_) {
    fmSpriteProp_ = new TfmSpriteProp(this);
    fmSpriteProp_->Model.ProgramFolder = commands_->ProgramFolder();
    AttachHints(*ToolInfo, fmSpriteProp_);
    fmSpriteProp_->OnDrawPreview = [this](TfmSpriteProp&, int kind, int size) {
      return KindPreview(ActiveView(), kind, size);
    };
  }
  return *fmSpriteProp_;
}

void TfmMain::SpriteProperties() {
  TfmChild* child = activeChild();
  const std::string* line = selectedLine();
  if (!child || !line) return;
  TChildView& view = child->View();
  TfmSpriteProp& dialog = fmSpriteProp();
  if (!dialog.Execute(view.Doc.DocKind, *line)) return;
  ConfirmSpriteProp(dialog.Model, view.Doc, view.SelectedIndex);
  child->Render();
}

bool TfmMain::AskPassword(const std::string& password) { return fmPassword().Ask(password); }

std::optional<TDocument> TfmMain::AskNewDocument(TDocKind kind) {
  TfmLevelProp& dialog = fmLevelProp();
  const TNewLevelSettings settings = commands_->Settings().ReadNewLevel();
  dialog.Model.Tag = kind == DocLevel ? kModeNewLevel : kModeNewMap;
  TChildView* active = ActiveView();
  if (!dialog.Execute(active ? &active->Doc : nullptr, settings)) return std::nullopt;
  TDocument doc = kind == DocLevel ? NewLevelDocument(settings) : NewWorldDocument(settings);
  dialog.Model.ApplyTo(doc);
  return doc;
}

bool TfmMain::EditProperties(TDocumentWindowSeam& window) {
  TfmLevelProp& dialog = fmLevelProp();
  dialog.Model.Tag = kModeProperties;
  if (!dialog.Execute(&window.Document(), commands_->Settings().ReadNewLevel())) return false;
  dialog.Model.ApplyTo(window.Document());
  return true;
}

void TfmMain::endSearch(TChildView& view) {
  Progress1->hide();
  SetStatusText(0, kReady);
  view.UpdateStatus();
}

void TfmMain::Find(bool next) {
  TChildView* view = ActiveView();
  if (!view) return;
  TfmFind& dialog = fmFind();
  if (!next) dialog.Execute(selectedLine());
  if (!dialog.Model.LastOK) return;
  armFindNext(true);
  const int start = next ? view->SelectedIndex + 1 : 0;
  SetStatusText(0, kSearching);
  Progress1->show();
  const int found = FindObject(view->Doc.Objects, start, dialog.Model.Chooser.Kind);
  if (found >= 0) {
    view->SelectedIndex = found;
    view->Repaint();
  } else {
    ShowMessage(kFindNothing, kFindCaption, miInformation);
    armFindNext(false);
  }
  endSearch(*view);
}

void TfmMain::Replace() {
  TfmChild* child = activeChild();
  if (!child) return;
  TfmReplace& dialog = fmReplace();
  if (!dialog.Execute(selectedLine())) return;
  SetStatusText(0, kReplacing);
  Progress1->show();
  try {
    // Fields the new kind does not take go only when the author agrees.
    ReplaceObjects(child->View().Doc, dialog.Model.FindKind.Kind, dialog.Model.NewKind.Kind,
                   [this](const std::string& question) { return childHost_->ConfirmYesNo(question, kReplaceCaption); });
  } catch (const EReplaceStart& e) {
    endSearch(child->View());
    ShowMessage(ReplaceStartText(e), kReplaceCaption, miError);
    return;
  }
  child->Render();
  endSearch(child->View());
}

void TfmMain::Fill() {
  TChildView* view = ActiveView();
  if (!view) return;
  TfmFill& dialog = fmFill();
  if (!dialog.Execute(selectedLine())) return;
  TDocument& doc = view->Doc;
  const int kind = dialog.Model.Chooser.Kind;
  Progress1->setRange(0, std::max(0, doc.Width) * std::max(0, doc.Height));
  Progress1->setValue(0);
  Progress1->show();
  view->SetPbTag(kind);
  SetStatusText(0, kFilling);
  view->DXImages.UseBackgroundColor = true;
  view->DXImages.BackgroundColor = platform::TColor(doc.BgColor);
  const int image = kind >= 0 && kind < int(view->KindImages.size()) ? view->KindImages[size_t(kind)] : -1;
  TFillEvents events;
  events.OnAdded = [&](int column, int row, int index) {
    view->SelectedIndex = index;
    if (image >= 0 && !view->LevelBitmap.Empty())
      view->DXImages.DrawTransparentEditor(view->LevelBitmap.Canvas(), column * doc.ResFactor,
                                           row * doc.ResFactor, image);
    // Paint what was added so far; the user's input waits for the fill.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  };
  events.OnStep = [this] { Progress1->setValue(Progress1->value() + 1); };
  const int filled = FillObjects(doc, kind, dialog.Model.cbOverwrite, events);
  // An object put in place of another one is drawn without it.
  if (dialog.Model.cbOverwrite && filled > 0) view->Render();
  view->Repaint();
  endSearch(*view);
}

void TfmMain::ChooseBackgroundColor() {
  TChildView* view = ActiveView();
  if (!view) return;
  tbz::TToolbarButtonZ* button = Button("Color de fondo");
  const QRect rect(button->mapToGlobal(QPoint(0, 0)), button->size());
  fmColor().ShowFor(view->Doc, rect);
}
