// Filling and colouring the editor's Texto page, laid out whole, for generated
// levels of about 2,000, 8,000 and 32,000 object lines (offscreen).
#include <benchmark/benchmark.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QTextEdit>
#include <string>

#include "editor/frmChild/text_page.h"
#include "editor/frmChild/text_view.h"

namespace {

QApplication& qtApplication() {
  static int argc = 1;
  static char name[] = "bench_text_page";
  static char* argv[] = {name, nullptr};
  // Never destroyed: the program ends right after the benchmarks.
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

// A level file of `objects` object lines on 13 rows: two ground rows, coins on
// every other column, blocks on every fourth, an enemy on every eighth.
std::string levelText(int objects) {
  const int columns = objects * 8 / 23 + 1;
  std::string text =
      "[Options]\r\nAddText=\r\nTime=300\r\nHAutoScroll=0\r\nBgColor=16755310\r\nWaterColor=16760121\r\n"
      "GrassColor=3394611\r\nWidth=" + std::to_string(columns + 2) +
      "\r\nHeight=13\r\nBgImage=\r\nResFactor=16\r\nAnimSpeed=150\r\nMIDIFile=music\\normal 1.mid\r\n"
      "Password=\r\nImageLib=sprites\\game.iml\r\nSoundLib=sounds\\game.sdl\r\n[Sprites]\r\n";
  const auto line = [&text](int row, int column, int kind) {
    text += std::to_string(row * 65536 + column) + "=" + std::to_string(kind) + ",1,\r\n";
  };
  line(10, 2, 0);
  int count = 1;
  for (int c = 0; count < objects; ++c) {
    line(11, c, 7);
    line(12, c, 6);
    count += 2;
    if (c % 2 == 0) line(6, c, 49), ++count;
    if (c % 4 == 1) line(8, c, 39), ++count;
    if (c % 8 == 3) line(10, c, 54), ++count;
  }
  return text;
}

void BM_FillTextPage(benchmark::State& state) {
  qtApplication();
  const std::string shown = TextViewText(levelText(int(state.range(0))));
  QTextEdit page;
  page.setLineWrapMode(QTextEdit::NoWrap);
  page.resize(800, 600);
  page.show();
  for (auto _ : state) {
    ShowTextPage(page, shown);
    // Laid out to its end, as the page's scroll bars need it.
    benchmark::DoNotOptimize(page.document()->documentLayout()->documentSize());
  }
  state.SetLabel(std::to_string(page.document()->blockCount()) + " lines");
}
BENCHMARK(BM_FillTextPage)->Arg(2000)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond);

}  // namespace
