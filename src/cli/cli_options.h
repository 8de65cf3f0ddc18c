// The command line of hexcribe-cli: what to do, with which settings, on which inputs.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/separator.h"

namespace hexcribe::cli {

enum class Mode { kConvert, kDecode, kHelp, kVersion };

// How text becomes commands. The defaults are the dialog's: space, whole command.
struct ConvertOptions {
  Separator separator = kSeparators[0].separator;
  bool wholeCommand = true;
  bool lines = false;    // one command per input line instead of one per input
  bool count = false;    // a tab and the command's byte count after each command
  bool bmpOnly = false;  // report characters outside the Basic Multilingual Plane
  bool check = false;    // report what an LCD will not show as meant (see TextChecker)
  bool nfc = false;      // compose the text (NFC) before converting it
  std::string fontFile;  // with check: also report the characters this font has no glyph for
};

struct InputSpec {
  enum class Kind { kText, kFile, kStdin };
  Kind kind = Kind::kStdin;
  std::string value;  // the text, or the file name
  std::size_t argument = 0;  // 1-based position on the command line; 0 for the implied standard input
};

struct CliOptions {
  Mode mode = Mode::kConvert;
  ConvertOptions convert;
  std::vector<InputSpec> inputs;  // in command-line order; standard input when none was given
};

struct ParseResult {
  bool ok = false;
  CliOptions options;
  std::string error;  // for a usage error
};

// The separators' names in table order, joined by ", " and the last one by lastJoin; the first
// marked " (default)" when markDefault is set. For the help and the usage errors.
std::string SeparatorNameList(std::string_view lastJoin, bool markDefault = false);

// Parses the arguments after the program name. "--" ends the options; "-" and
// "-f -" name standard input.
ParseResult ParseArguments(const std::vector<std::string>& args);

}  // namespace hexcribe::cli
