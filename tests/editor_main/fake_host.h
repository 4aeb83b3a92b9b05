#pragma once
// A main-window host and document windows that record what the commands do.
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "editor/frmMain/main_host.h"

struct FakeWindow : TDocumentWindowSeam {
  TDocument doc;
  std::string caption = "Nuevo 1";
  std::vector<std::string> calls;
  std::string text;  // what the text page holds
  bool grid = false;
  double zoom = 1.0;
  TDocWindowState state = dwsNormal;
  bool selection = false;

  TDocument& Document() override { return doc; }
  std::string Caption() const override { return caption; }
  void UpdateFileCaption() override { calls.push_back("caption"); if (!doc.FileName.empty()) caption = doc.FileName; }
  void InitLevelView() override { calls.push_back("levelView"); }
  void InitWorldView() override { calls.push_back("worldView"); }
  void ShowAsGame() override { calls.push_back("game"); text = doc.Text; }
  void CommitText() override { doc.Text = text; }
  std::string renderError;  // Render throws this when set
  bool renderTooLarge = false;  // as ELevelSize, not as a bad line
  void Render() override {
    calls.push_back("render");
    if (renderError.empty()) return;
    if (renderTooLarge) throw ELevelSize(doc.DocKind, caption, 70000, 13, 16);
    throw std::out_of_range(renderError);
  }
  void Repaint() override { calls.push_back("repaint"); }
  void UpdateStatus() override { calls.push_back("status"); }
  void SetGridVisible(bool v) override { grid = v; }
  void SetZoom(double z) override { zoom = z; }
  void SelectTab(int tab) override { calls.push_back("tab" + std::to_string(tab)); }
  void SetWindowState(TDocWindowState s) override { state = s; }
  bool HasSelection() const override { return selection; }
  void DeleteSelected() override { calls.push_back("delete"); }
  void DeleteAll() override { calls.push_back("deleteAll"); }
  void BringToFront() override { calls.push_back("front"); }
  void SendToBack() override { calls.push_back("back"); }
};

struct FakeHost : TMainHost {
  std::vector<std::unique_ptr<FakeWindow>> windows;
  int freed = 0;
  std::deque<std::optional<std::string>> openNames, saveNames;
  std::vector<std::string> saveTitles, saveStarts, saveExts, openTitles;
  bool passwordOk = true;
  std::vector<std::string> askedPasswords;
  std::optional<TDocument> newDocument;
  std::deque<TAnswer> answers;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  std::string status[3];
  std::vector<bool> enabled;
  std::vector<TDocKind> pages;
  std::vector<bool> paletteVisible;
  bool gridChecked = false;
  bool gridCommands = false;  // the last EnableGridCommands

  std::string renderError;  // the windows' Render throws this when set
  bool renderTooLarge = false;
  TDocumentWindowSeam& CreateDocumentWindow() override {
    windows.push_back(std::make_unique<FakeWindow>());
    windows.back()->renderError = renderError;
    windows.back()->renderTooLarge = renderTooLarge;
    windows.back()->caption = "Nuevo " + std::to_string(windows.size());
    return *windows.back();
  }
  void FreeDocumentWindow(TDocumentWindowSeam&) override { ++freed; }
  std::vector<TDocumentWindowSeam*> activated;
  void ActivateDocumentWindow(TDocumentWindowSeam& w) override { activated.push_back(&w); }
  std::optional<std::filesystem::path> OpenFileDialog(const std::string& title,
                                                      const std::filesystem::path&) override {
    openTitles.push_back(title);
    auto n = openNames.empty() ? std::nullopt : openNames.front();
    if (!openNames.empty()) openNames.pop_front();
    if (!n) return std::nullopt;
    return std::filesystem::path(*n);
  }
  // As the dialog does, a name typed without an extension gets the default one.
  std::optional<std::filesystem::path> SaveFileDialog(const std::string& title, const std::filesystem::path& start,
                                                      const std::string& ext) override {
    saveTitles.push_back(title);
    saveStarts.push_back(start.string());
    saveExts.push_back(ext);
    auto n = saveNames.empty() ? std::nullopt : saveNames.front();
    if (!saveNames.empty()) saveNames.pop_front();
    if (n && !n->empty() && std::filesystem::path(*n).extension().empty()) *n += "." + ext;
    if (!n) return std::nullopt;
    return std::filesystem::path(*n);
  }
  bool AskPassword(const std::string& p) override { askedPasswords.push_back(p); return passwordOk; }
  std::optional<TDocument> AskNewDocument(TDocKind) override { return newDocument; }
  std::function<void(TDocument&)> editProperties;  // what the dialog changes
  bool EditProperties(TDocumentWindowSeam& w) override {
    if (editProperties) editProperties(w.Document());
    return true;
  }
  void ShowMessage(const std::string& text, const std::string& title, TMessageIcon) override {
    messages.push_back(title + ": " + text);
  }
  TAnswer AskYesNoCancel(const std::string& text, const std::string&) override {
    questions.push_back(text);
    TAnswer a = answers.empty() ? ansCancel : answers.front();
    if (!answers.empty()) answers.pop_front();
    return a;
  }
  // "Sí" for ansYes, "No" for anything else; an empty queue answers "No".
  bool AskYesNo(const std::string& text, const std::string& title) override {
    return AskYesNoCancel(text, title) == ansYes;
  }
  void SetStatusText(int panel, const std::string& text) override { status[panel] = text; }
  void EnableDocumentCommands(bool e) override { enabled.push_back(e); }
  void EnableGridCommands(bool e) override { gridCommands = e; }
  void ShowPalettePages(TDocKind kind) override { pages.push_back(kind); }
  void SetPaletteVisible(bool v) override { paletteVisible.push_back(v); }
  void SetGridChecked(bool c) override { gridChecked = c; }
  void Arrange(TArrangement) override {}

  FakeWindow& window(size_t i) { return *windows.at(i); }
};
