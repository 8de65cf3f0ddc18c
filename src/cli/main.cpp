// Entry point of hexcribe-cli: takes the arguments as UTF-8 and runs the tool on the standard streams.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/cli_app.h"
#include "cli/file_io.h"
#include "cli/utf8_decoder.h"
#include "version/product_version.h"

namespace {

// Read from the program's own version data, like the dialog's title.
std::string VersionText() {
  std::string text = "v";
  text += hexcribe::cli::Utf16ToUtf8(hexcribe::FormatVersionNumber(hexcribe::GetVersionNumber(u"")));
  return text;
}

int Run(const std::vector<std::string>& args) {
  using namespace hexcribe::cli;
  UseBinaryStandardStreams();
  FileSource in(stdin, false);
  FileSink out(stdout);
  FileSink err(stderr);
  CliEnvironment env{in, out, err, OpenFileSource, VersionText()};
  int status = RunCli(args, env);
  if (!out.Close() && status != kExitUsage) {
    if (status == kExitOk || status == kExitNonBmp) err.Write("hexcribe-cli: cannot write the output\n");
    status = kExitOutput;
  }
  return status;
}

}  // namespace

#ifdef _WIN32
// Windows hands the arguments over as UTF-16 (built with -municode).
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) {
    const std::wstring wide(argv[i]);
    args.push_back(hexcribe::cli::Utf16ToUtf8(std::u16string(wide.begin(), wide.end())));
  }
  return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
