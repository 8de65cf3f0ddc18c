// hexcribe-cli as a function of its arguments and streams: conversion, decoding, checks, help and version.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cli/byte_io.h"

namespace hexcribe::cli {

// Exit statuses, documented in --help and the README.
inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 1;   // unknown option, missing or bad option value
inline constexpr int kExitInput = 2;   // unreadable file, invalid UTF-8, malformed command
inline constexpr int kExitFound = 3;  // --bmp-only or --check found something
inline constexpr int kExitOutput = 4;  // the output could not be written

struct CliEnvironment {
  ByteSource& in;
  ByteSink& out;
  ByteSink& err;
  // Opens a named input; null with the reason in error when it cannot.
  std::function<std::unique_ptr<ByteSource>(const std::string& path, std::string& error)> openFile;
  // The program's version as the dialog's title shows it ("v1.00").
  std::string versionText;
};

// Runs the tool on the arguments after the program name; returns the exit status.
int RunCli(const std::vector<std::string>& args, CliEnvironment& env);

std::string HelpText();

// "cannot write the output", with the reason the sink gives when it knows one.
std::string OutputError(const ByteSink& out);

}  // namespace hexcribe::cli
