#pragma once
// tqinspect: what a content file holds, or why it is not valid. Each kind of file
// has its own summary; main() picks one by the file's extension.
#include <ostream>
#include <span>
#include <stdexcept>
#include <string>

// Why a file is not valid; printed as the one "error:" line.
class TInspectError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using TSummaryFunction = void (*)(const std::string& fileName, std::ostream& out);

struct TSummaryKind {
  const char* extension;  // lower case, with the dot
  const char* description;
  TSummaryFunction summarize;
};

// Every kind tqinspect knows, in the order the usage text lists them.
std::span<const TSummaryKind> SummaryKinds();

void SummarizeLevel(const std::string& fileName, std::ostream& out);
void SummarizeWorld(const std::string& fileName, std::ostream& out);
void SummarizeGame(const std::string& fileName, std::ostream& out);
void SummarizeImageLibrary(const std::string& fileName, std::ostream& out);
void SummarizeSoundLibrary(const std::string& fileName, std::ostream& out);
void SummarizeBitmap(const std::string& fileName, std::ostream& out);

// --resave IN OUT: reads a level, world map or game with the editor's reader and
// writes it with the editor's writer.
void Resave(const std::string& in, const std::string& out, std::ostream& log);

// The whole file, or TInspectError when it cannot be read.
std::string ReadFileBytes(const std::string& fileName);
