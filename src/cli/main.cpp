// Entry point of hexcribe-cli: takes the arguments as UTF-8 and runs the tool on the standard streams.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/console_sink.h"
#include "cli/file_io.h"
#include "core/utf8_text.h"

#include "platform/platform.h"
#include "version/product_version.h"

namespace {

// Read from the program's own version data, like the dialog's title, then all four numbers.
std::string VersionText() {
  std::string text = "v";
  text += hexcribe::EncodeUtf8KeepingLoneSurrogates(hexcribe::FormatVersionNumber(hexcribe::GetVersionNumber(u"")));
  std::vector<std::uint32_t> parts;
  if (hexcribe::ReadProductVersionParts(u"", parts)) {
    text += " (";
    for (std::size_t i = 0; i < parts.size(); ++i) {
      if (i != 0) text += '.';
      text += std::to_string(parts[i]);
    }
    text += ")";
  }
  return text;
}

// One standard output stream: UTF-8 bytes for files and pipes; for a console
// window its own UTF-16 text, which shows every script whatever the console's
// code page.
class OutputStream {
 public:
  OutputStream(std::FILE* file, bool error) : file_(file) {
    namespace platform = hexcribe::platform;
    const auto stream = error ? platform::StandardStream::kError : platform::StandardStream::kOutput;
    if (platform::IsConsole(stream)) {
      console_.emplace([stream](std::u16string_view units) { return platform::WriteConsoleUnits(stream, units); });
    }
  }
  hexcribe::cli::ByteSink& sink() { return console_ ? static_cast<hexcribe::cli::ByteSink&>(*console_) : file_; }
  bool Close() { return console_ ? console_->Close() : file_.Close(); }

 private:
  hexcribe::cli::FileSink file_;
  std::optional<hexcribe::cli::ConsoleTextSink> console_;
};

int Run(const std::vector<std::string>& args) {
  using namespace hexcribe::cli;
  UseBinaryStandardStreams();
  FileSource in(stdin, false);
  OutputStream out(stdout, false);
  OutputStream err(stderr, true);
  CliEnvironment env{in, out.sink(), err.sink(), OpenFileSource, VersionText()};
  int status = RunCli(args, env);
  if (!out.Close() && status != kExitUsage) {
    if (status == kExitOk || status == kExitFound) {
      err.sink().Write("hexcribe-cli: " + OutputError(out.sink()) + "\n");
    }
    status = kExitOutput;
  }
  err.Close();
  return status;
}

}  // namespace

#ifdef _WIN32
// Windows hands the arguments over as UTF-16 (built with -municode).
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring wide(argv[i]);
    args.push_back(hexcribe::EncodeUtf8KeepingLoneSurrogates(std::u16string(wide.begin(), wide.end())));
  }
  return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
