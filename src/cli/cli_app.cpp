// hexcribe-cli as a function of its arguments and streams: conversion, decoding, checks, help and version.
#include "cli/cli_app.h"

#include <charconv>
#include <initializer_list>
#include <unordered_map>

#include "cli/cli_options.h"
#include "cli/font_input.h"
#include "cli/text_converter.h"
#include "core/command_builder.h"
#include "core/command_decoder.h"
#include "core/hex_text.h"
#include "core/unicode_data.h"

namespace hexcribe::cli {

namespace {

constexpr std::string_view kProgram = "hexcribe-cli";
constexpr std::size_t kReadSize = 1 << 17;

std::string SourceName(const InputSpec& input) {
  switch (input.kind) {
    case InputSpec::Kind::kText: return "<argument " + std::to_string(input.argument) + ">";
    case InputSpec::Kind::kStdin: return "<stdin>";
    case InputSpec::Kind::kFile: break;
  }
  return input.value;
}

}  // namespace

std::string OutputError(const ByteSink& out) {
  const std::string reason = out.ErrorText();
  return reason.empty() ? "cannot write the output" : "cannot write the output: " + reason;
}

namespace {

class Runner {
 public:
  Runner(const CliOptions& options, CliEnvironment& env) : options_(options), env_(env) {}

  int Convert();
  int Decode();

 private:
  void Error(const std::string& message) {
    FlushReports();
    env_.err.Write(std::string(kProgram) + ": " + message + "\n");
  }
  // Reports of characters may be millions: they are written in blocks. Findings of --check are
  // written as compilers write theirs, without the program's name.
  void Report(const std::string& message, bool named = true) {
    if (named) {
      reports_ += kProgram;
      reports_ += ": ";
    }
    reports_ += message;
    reports_ += '\n';
    if (reports_.size() >= (1 << 16)) FlushReports();
  }
  void FlushReports() {
    if (!reports_.empty()) env_.err.Write(reports_);
    reports_.clear();
  }
  // Opens one input; when it cannot, source stays null and openError_ says why.
  std::unique_ptr<ByteSource> Open(const InputSpec& input, ByteSource*& source);
  // Reads the font of --font into font_; false after reporting why it cannot.
  bool LoadFont();
  void ReportCheck(const std::string& input, const CheckFinding& finding);

  const CliOptions& options_;
  CliEnvironment& env_;
  std::string reports_;
  std::string openError_;
  CodePointSet font_;
  std::unordered_map<char32_t, std::string> names_;  // "U+XXXX NAME: " of characters reported
  std::string head_;  // the finding being reported, up to what was found
};

bool Runner::LoadFont() {
  const std::string& file = options_.convert.fontFile;
  ByteSource* source = nullptr;
  const auto owned = Open({InputSpec::Kind::kFile, file, 0}, source);
  std::string error;
  if (source == nullptr) {
    Error(openError_);
  } else if (!ReadFontFile(*source, font_, error)) {
    Error(file + ": " + error);
  } else {
    return true;
  }
  return false;
}

// The decimal digits of a number, in `digits`.
std::string_view Decimal(std::uint64_t value, char (&digits)[24]) {
  return {digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, value).ptr - digits)};
}

void Append(std::string& out, std::initializer_list<std::string_view> parts) {
  for (const std::string_view part : parts) out += part;
}

void Runner::ReportCheck(const std::string& input, const CheckFinding& finding) {
  const CheckedCharacter& c = finding.character;
  char line[24], number[24];
  head_.clear();
  Append(head_, {input, ":", Decimal(finding.line, line), ":"});
  if (c.findings == 0) {
    Append(reports_, {head_, " command cut after unit ", Decimal(kDialogCommandUnits, number), " ("});
    Append(reports_, {Decimal(finding.commandUnits, number), " units)\n"});
    return;
  }
  // Texts repeat their characters: each one's "U+XXXX NAME: " is made once (the cache stays small).
  if (names_.size() > 4096) names_.clear();
  auto [named, fresh] = names_.try_emplace(c.codePoint);
  if (fresh) Append(named->second, {CodePointName(c.codePoint), " ", CharacterNameOrLabel(c.codePoint), ": "});
  Append(head_, {Decimal(c.index + 1, number), ": ", named->second});
  const std::string composed = c.composed != 0 ? CodePointName(c.composed) : std::string();
  const struct {
    std::uint8_t finding;
    std::string_view what, detail, end;
  } kinds[] = {{Finding::kInvisible, "invisible", "", ""},
               {Finding::kDecomposed, "decomposed (NFC: ", composed, ")"},
               {Finding::kOutsideBmp, "outside the BMP", "", ""},
               {Finding::kNoGlyph, "no glyph in ", options_.convert.fontFile, ""}};
  for (const auto& kind : kinds) {
    if (c.findings & kind.finding) Append(reports_, {head_, kind.what, kind.detail, kind.end, "\n"});
  }
  if (reports_.size() >= (1 << 16)) FlushReports();
}

std::unique_ptr<ByteSource> Runner::Open(const InputSpec& input, ByteSource*& source) {
  std::unique_ptr<ByteSource> owned;
  source = nullptr;
  switch (input.kind) {
    case InputSpec::Kind::kStdin: source = &env_.in; break;
    case InputSpec::Kind::kText:
      owned = std::make_unique<MemorySource>(input.value);
      source = owned.get();
      break;
    case InputSpec::Kind::kFile: {
      std::string reason;
      owned = env_.openFile ? env_.openFile(input.value, reason) : nullptr;
      if (!owned) openError_ = "cannot open '" + input.value + "': " + (reason.empty() ? "cannot open" : reason);
      source = owned.get();
      break;
    }
  }
  return owned;
}

int Runner::Convert() {
  const bool withFont = !options_.convert.fontFile.empty();
  if (withFont && !LoadFont()) return kExitInput;
  std::string current;  // name of the input being converted, for the reports
  bool found = false;
  auto onNonBmp = [&](const NonBmpCharacter& c) {
    found = true;
    Report(current + ":" + std::to_string(c.line) + ":" + std::to_string(c.column) + ": " +
           CodePointName(c.codePoint) + " is outside the Basic Multilingual Plane");
  };
  auto onCheck = [&](const CheckFinding& finding) {
    found = true;
    ReportCheck(current, finding);
  };
  TextConverter converter(options_.convert, env_.out, onNonBmp, onCheck, withFont ? &font_ : nullptr);

  // The output before an input error is complete commands: it is written first.
  auto inputError = [&](const std::string& message) {
    if (!converter.Flush()) {
      Error(OutputError(env_.out));
      return kExitOutput;
    }
    Error(message);
    return kExitInput;
  };
  for (const InputSpec& input : options_.inputs) {
    current = SourceName(input);
    ByteSource* source = nullptr;
    const auto owned = Open(input, source);
    if (source == nullptr) return inputError(openError_);
    switch (converter.Convert(*source, input.kind != InputSpec::Kind::kText)) {
      case ConvertStatus::kOk: break;
      case ConvertStatus::kWriteFailed:
        Error(OutputError(env_.out));
        return kExitOutput;
      case ConvertStatus::kReadFailed: return inputError("cannot read '" + current + "': " + source->ErrorText());
      case ConvertStatus::kInvalidUtf8: {
        const Utf8Error& e = converter.utf8Error();
        return inputError(current + ":" + std::to_string(e.line) + ": invalid UTF-8 at byte offset " +
                          std::to_string(e.offset) + ": " + e.reason);
      }
    }
  }
  if (!converter.Flush()) {
    Error(OutputError(env_.out));
    return kExitOutput;
  }
  FlushReports();
  return found ? kExitFound : kExitOk;
}

int Runner::Decode() {
  std::string buffer(kReadSize, '\0');
  for (const InputSpec& input : options_.inputs) {
    const std::string name = SourceName(input);
    ByteSource* source = nullptr;
    const auto owned = Open(input, source);
    CommandDecoder decoder(env_.out, input.kind == InputSpec::Kind::kText ? CommandDecoder::Input::kArgument
                                                                          : CommandDecoder::Input::kStream);
    if (source == nullptr) {
      Error(openError_);
      return kExitInput;
    }
    bool ok = true;
    for (;;) {
      const std::size_t got = source->Read(buffer.data(), buffer.size());
      if (got == 0) break;
      if (!decoder.Feed({buffer.data(), got})) {
        ok = false;
        break;
      }
    }
    if (ok && source->Failed()) {
      decoder.DropUnfinishedLine();
      if (!decoder.Flush()) {
        Error(OutputError(env_.out));
        return kExitOutput;
      }
      Error("cannot read '" + name + "': " + source->ErrorText());
      return kExitInput;
    }
    if (ok) ok = decoder.Finish();
    if (!decoder.Flush() || decoder.writeFailed()) {
      Error(OutputError(env_.out));
      return kExitOutput;
    }
    if (!ok) {
      const DecodeError& e = decoder.error();
      Error(name + ":" + std::to_string(e.line) + ":" + std::to_string(e.column) + ": " + e.reason);
      return kExitInput;
    }
  }
  return kExitOk;
}

}  // namespace

// The help, in two parts around the separator names: the usage and the first option, then the rest.
constexpr std::string_view kHelpHead = R"(Usage: hexcribe-cli [OPTION]... [TEXT | -f FILE]...
       hexcribe-cli --decode [TEXT | -f FILE]...

Converts UTF-8 text to the LCD print command of its UTF-16LE bytes, exactly as
the Hexcribe dialog shows it:  A  ->  Print 'U::41 00';
TEXT arguments and -f FILE inputs may be mixed; they are read in order.
Without TEXT or FILE, standard input is read; "-" names standard input.
Without --lines every TEXT, FILE or standard input is one text (its line breaks
are converted too) and gives one command on one output line.

Conversion:
  --separator SEP   between the numbers: )";
constexpr std::string_view kHelpRest = R"(
  --numbers-only    the bare numbers, without "Print 'U::" and "';"
  --lines           one command per input line (an LF ends a line, the CR of
                    a CR LF is dropped)
  --count           a tab and the command's byte count after each command
                    (UTF-16 bytes: two per unit, four per character above
                    U+FFFF)
  --bmp-only        report every character outside the Basic Multilingual
                    Plane with its line and column (on standard error) and
                    exit with status 3; the commands are still written.
                    Columns count characters (code points), from 1
  --nfc             compose the text (Unicode NFC) before converting it:
                    e + U+0301 becomes U+00E9, Hangul jamo become syllables

Checks:
  --check           report on standard error, as INPUT:LINE:COLUMN: U+XXXX
                    NAME: WHAT, each character an LCD will not show as meant:
                      invisible   format characters (zero-width space,
                                  joiners, direction marks, soft hyphen, byte-
                                  order mark), variation selectors, line and
                                  paragraph separators, controls other than
                                  tab, LF and CR
                      decomposed (NFC: U+XXXX)  a character that NFC composes
                                  with the one before it
                      outside the BMP  above U+FFFF: a surrogate pair
                    and every command longer than the dialog's as INPUT:LINE:
                    command cut after unit 1023 (N units). Exit status 3 when
                    anything was found; the commands are still written. With
                    --nfc the composed text is checked; --bmp-only adds no
                    messages of its own
  --font FILE       with --check, also report each character FILE has no
                    glyph for (WHAT: no glyph in FILE). FILE is a TrueType or
                    OpenType font (.ttf, .otf, the first face of a .ttc) or a
                    BDF font whose CHARSET_REGISTRY is ISO10646

Decoding:
  --decode          read commands ("Print 'U::41 00';") or bare numbers with
                    any separator, one per line, and write their text in UTF-8;
                    a tab and a byte count after a command (--count) are
                    ignored

Inputs:
  TEXT              a text given on the command line (a leading U+FEFF is
                    part of the text)
  -f, --file FILE   a UTF-8 file (a leading byte-order mark is skipped);
                    also -fFILE and --file=FILE
  --                everything after it is TEXT

  -h, --help        show this help
  --version         show the program's version

Exit status:
  0  success
  1  usage error (unknown option, bad option value)
  2  input error: a file cannot be read, input is not UTF-8 (reported with
     file, line and byte offset), --decode met a malformed line (reported
     with line and column), or the --font file is no font it reads
  3  --bmp-only found characters outside the Basic Multilingual Plane, or
     --check found something
  4  the output could not be written (the reason is named)

The output is written as it is made: when an error stops a run, the commands
before it have been written, and with a long input part of the current one
too. Check the exit status before using the output.

Examples:
  hexcribe-cli 'Hello'
      Print 'U::48 00 65 00 6C 00 6C 00 6F 00';
  hexcribe-cli --separator comma --numbers-only 'A'
      41,00
  hexcribe-cli --lines --count -f menu-ko.txt > menu-ko.cmd
  hexcribe-cli --check --font lcd.bdf --lines -f menu.txt > menu.cmd
      menu.txt:3:2: U+200B ZERO WIDTH SPACE: invisible
  hexcribe-cli --decode "Print 'U::5C D5';"
      (the Hangul syllable U+D55C, in UTF-8)
)";

std::string HelpText() {
  return std::string(kHelpHead) + SeparatorNameList(", ", true) + std::string(kHelpRest);
}

int RunCli(const std::vector<std::string>& args, CliEnvironment& env) {
  const ParseResult parsed = ParseArguments(args);
  if (!parsed.ok) {
    env.err.Write(std::string(kProgram) + ": " + parsed.error + "\nTry 'hexcribe-cli --help' for more information.\n");
    return kExitUsage;
  }
  const CliOptions& options = parsed.options;
  switch (options.mode) {
    case Mode::kHelp: return env.out.Write(HelpText()) ? kExitOk : kExitOutput;
    case Mode::kVersion:
      return env.out.Write(std::string(kProgram) + " " + env.versionText + "\n") ? kExitOk : kExitOutput;
    case Mode::kDecode: return Runner(options, env).Decode();
    case Mode::kConvert: break;
  }
  return Runner(options, env).Convert();
}

}  // namespace hexcribe::cli
