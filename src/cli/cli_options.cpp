// The command line of hexcribe-cli: what to do, with which settings, on which inputs.
#include "cli/cli_options.h"

#include <utility>

namespace hexcribe::cli {

namespace {

// What the arguments said so far; the mode is chosen once all are read.
struct ParseState {
  CliOptions options;
  bool help = false;
  bool version = false;
  bool decode = false;
  std::vector<std::string_view> convertOnly;  // options given that make no sense with --decode
};

// What an option does with its value (empty for an option without one) and the 1-based position of
// the argument the value came from. Returns a usage error, or an empty string.
using OptionAction = std::string (*)(ParseState& state, const std::string& value, std::size_t position);

// One option of the command line. An option with a value takes it from "--name=VALUE", from the
// next argument, or, for a short name, from the rest of the argument ("-fFILE").
struct Option {
  std::string_view name;
  std::string_view shortName;      // empty when there is none
  std::string (*valueNeeded)();    // what a missing value's error asks for; nullptr: no value
  bool convertOnly;                // refused with --decode
  OptionAction action;
};

template <bool ParseState::*flag>
std::string Raise(ParseState& state, const std::string&, std::size_t) {
  state.*flag = true;
  return {};
}

template <bool ConvertOptions::*setting, bool value>
std::string Set(ParseState& state, const std::string&, std::size_t) {
  state.options.convert.*setting = value;
  return {};
}

void AddInput(CliOptions& options, InputSpec::Kind kind, const std::string& value, std::size_t position) {
  if (kind == InputSpec::Kind::kFile && value == "-") kind = InputSpec::Kind::kStdin;
  options.inputs.push_back({kind, value, position});
}

std::string AddFile(ParseState& state, const std::string& name, std::size_t position) {
  AddInput(state.options, InputSpec::Kind::kFile, name, position);
  return {};
}

std::string ChooseSeparator(ParseState& state, const std::string& name, std::size_t) {
  const SeparatorInfo* separator = FindSeparatorByName(name);
  if (separator == nullptr) return "unknown separator '" + name + "' (use " + SeparatorNameList(" or ") + ")";
  state.options.convert.separator = separator->separator;
  return {};
}

std::string SeparatorValueNeeded() { return "a value: " + SeparatorNameList(" or "); }
std::string FileNameNeeded() { return "a file name"; }

std::string ChooseFont(ParseState& state, const std::string& file, std::size_t) {
  if (file.empty()) return "option '--font' needs " + FileNameNeeded();
  state.options.convert.fontFile = file;
  return {};
}

// Every option: a new one is a row here (and a new mode a line in Finish).
constexpr Option kOptions[] = {
    {"--help", "-h", nullptr, false, &Raise<&ParseState::help>},
    {"--version", "", nullptr, false, &Raise<&ParseState::version>},
    {"--decode", "", nullptr, false, &Raise<&ParseState::decode>},
    {"--numbers-only", "", nullptr, true, &Set<&ConvertOptions::wholeCommand, false>},
    {"--lines", "", nullptr, true, &Set<&ConvertOptions::lines, true>},
    {"--count", "", nullptr, true, &Set<&ConvertOptions::count, true>},
    {"--bmp-only", "", nullptr, true, &Set<&ConvertOptions::bmpOnly, true>},
    {"--check", "", nullptr, true, &Set<&ConvertOptions::check, true>},
    {"--nfc", "", nullptr, true, &Set<&ConvertOptions::nfc, true>},
    {"--separator", "", &SeparatorValueNeeded, true, &ChooseSeparator},
    {"--font", "", &FileNameNeeded, true, &ChooseFont},
    {"--file", "-f", &FileNameNeeded, false, &AddFile},
};

// An argument read as an option: which one, and the value the argument itself carries, if any.
struct OptionArgument {
  const Option* option = nullptr;
  bool carriesValue = false;
  std::string value;
};

OptionArgument FindOption(std::string_view arg) {
  for (const Option& option : kOptions) {
    const bool hasShort = !option.shortName.empty();
    if (arg == option.name || (hasShort && arg == option.shortName)) return {&option, false, {}};
    if (option.valueNeeded == nullptr) continue;
    if (arg.starts_with(option.name) && arg.substr(option.name.size()).starts_with('=')) {
      return {&option, true, std::string(arg.substr(option.name.size() + 1))};
    }
    if (hasShort && arg.starts_with(option.shortName)) {
      return {&option, true, std::string(arg.substr(option.shortName.size()))};
    }
  }
  return {};
}

// Reads the option at args[at], and its value from the next argument when it needs one there
// (then at moves on to it). Returns a usage error, or an empty string.
std::string ReadOption(const std::vector<std::string>& args, std::size_t& at, ParseState& state) {
  const std::string& arg = args[at];
  OptionArgument found = FindOption(arg);
  if (found.option == nullptr) return "unknown option '" + arg + "'";
  if (found.option->valueNeeded != nullptr && !found.carriesValue) {
    if (at + 1 == args.size()) return "option '" + arg + "' needs " + found.option->valueNeeded();
    found.value = args[++at];
  }
  if (found.option->convertOnly) state.convertOnly.push_back(found.option->name);
  return found.option->action(state, found.value, at + 1);
}

ParseResult Error(std::string message) {
  ParseResult result;
  result.error = std::move(message);
  return result;
}

// The mode the options ask for (help first, then the version, then decoding), with its checks.
ParseResult Finish(ParseState state) {
  CliOptions& options = state.options;
  if (state.help) {
    options.mode = Mode::kHelp;
  } else if (state.version) {
    options.mode = Mode::kVersion;
  } else if (state.decode) {
    if (!state.convertOnly.empty()) {
      return Error("option '" + std::string(state.convertOnly.front()) + "' cannot be used with '--decode'");
    }
    options.mode = Mode::kDecode;
  } else if (!options.convert.fontFile.empty() && !options.convert.check) {
    return Error("option '--font' needs '--check'");
  }
  if (options.inputs.empty()) options.inputs.push_back({InputSpec::Kind::kStdin, "", 0});
  return {true, std::move(options), {}};
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
  ParseState state;
  bool optionsEnded = false;
  for (std::size_t at = 0; at < args.size(); ++at) {
    const std::string& arg = args[at];
    if (optionsEnded || arg.empty() || arg[0] != '-') {
      AddInput(state.options, InputSpec::Kind::kText, arg, at + 1);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "-") {
      AddInput(state.options, InputSpec::Kind::kStdin, "", at + 1);
    } else if (std::string error = ReadOption(args, at, state); !error.empty()) {
      return Error(std::move(error));
    }
  }
  return Finish(std::move(state));
}

}  // namespace hexcribe::cli
