// The command line of hexcribe-cli: what to do, with which settings, on which inputs.
#include "cli/cli_options.h"

#include <utility>

namespace hexcribe::cli {

namespace {

ParseResult Error(std::string message) {
  ParseResult result;
  result.error = std::move(message);
  return result;
}

}  // namespace

std::string SeparatorNameList(std::string_view lastJoin, bool markDefault) {
  std::string list;
  for (std::size_t i = 0; i < kSeparatorCount; ++i) {
    if (i != 0) list += i + 1 == kSeparatorCount ? lastJoin : ", ";
    list += kSeparators[i].cliName;
    if (i == 0 && markDefault) list += " (default)";
  }
  return list;
}

ParseResult ParseArguments(const std::vector<std::string>& args) {
  ParseResult result;
  CliOptions& options = result.options;
  bool help = false;
  bool version = false;
  bool decode = false;
  std::vector<std::string> convertOnly;  // options that make no sense with --decode

  std::size_t position = 0;  // of the argument being parsed, 1-based
  auto addInput = [&options, &position](InputSpec::Kind kind, std::string value) {
    if (kind == InputSpec::Kind::kFile && value == "-") kind = InputSpec::Kind::kStdin;
    options.inputs.push_back({kind, std::move(value), position});
  };

  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    position = i + 1;
    if (optionsEnded || arg.empty() || arg[0] != '-') {
      addInput(InputSpec::Kind::kText, arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-") {
      addInput(InputSpec::Kind::kStdin, "");
    } else if (arg == "-h" || arg == "--help") {
      help = true;
    } else if (arg == "--version") {
      version = true;
    } else if (arg == "--decode") {
      decode = true;
    } else if (arg == "--numbers-only") {
      options.convert.wholeCommand = false;
      convertOnly.push_back(arg);
    } else if (arg == "--lines") {
      options.convert.lines = true;
      convertOnly.push_back(arg);
    } else if (arg == "--count") {
      options.convert.count = true;
      convertOnly.push_back(arg);
    } else if (arg == "--bmp-only") {
      options.convert.bmpOnly = true;
      convertOnly.push_back(arg);
    } else if (arg == "--separator" || arg.starts_with("--separator=")) {
      std::string value;
      if (arg == "--separator") {
        if (i + 1 == args.size()) return Error("option '--separator' needs a value: " + SeparatorNameList(" or "));
        value = args[++i];
      } else {
        value = arg.substr(std::string_view("--separator=").size());
      }
      const SeparatorInfo* separator = FindSeparatorByName(value);
      if (separator == nullptr) {
        return Error("unknown separator '" + value + "' (use " + SeparatorNameList(" or ") + ")");
      }
      options.convert.separator = separator->separator;
      convertOnly.push_back("--separator");
    } else if (arg == "-f" || arg == "--file" || arg.starts_with("--file=")) {
      if (arg.starts_with("--file=")) {
        addInput(InputSpec::Kind::kFile, arg.substr(std::string_view("--file=").size()));
      } else {
        if (i + 1 == args.size()) return Error("option '" + arg + "' needs a file name");
        position = ++i + 1;
        addInput(InputSpec::Kind::kFile, args[i]);
      }
    } else if (arg.starts_with("-f")) {  // -fFILE, as short options with a value take it
      addInput(InputSpec::Kind::kFile, arg.substr(2));
    } else {
      return Error("unknown option '" + arg + "'");
    }
  }

  if (help) {
    options.mode = Mode::kHelp;
  } else if (version) {
    options.mode = Mode::kVersion;
  } else if (decode) {
    if (!convertOnly.empty()) return Error("option '" + convertOnly.front() + "' cannot be used with '--decode'");
    options.mode = Mode::kDecode;
  }
  if (options.inputs.empty()) options.inputs.push_back({InputSpec::Kind::kStdin, "", 0});
  result.ok = true;
  return result;
}

}  // namespace hexcribe::cli
