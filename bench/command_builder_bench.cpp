// Throughput of BuildCommand for the dialog's maximum input and for bulk text, per separator.
#include <benchmark/benchmark.h>

#include "core/command_builder.h"
#include "sample_text.h"

namespace {

void BM_BuildCommand(benchmark::State& state) {
  const auto units = static_cast<std::size_t>(state.range(0));
  const hexcribe::Separator separator = hexcribe::kSeparators[state.range(1)].separator;
  const std::u16string text = hexcribe::bench::MakeMixedText(units);
  for (auto _ : state) {
    std::string command = hexcribe::BuildCommand(text, separator, true);
    benchmark::DoNotOptimize(command.data());
  }
  // Bytes of UTF-16LE input converted.
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(units * 2));
  state.SetLabel(std::string(hexcribe::SeparatorInfoOf(separator).cliName));
}

BENCHMARK(BM_BuildCommand)
    ->ArgsProduct({{1023, 1 << 20}, benchmark::CreateDenseRange(0, static_cast<std::int64_t>(hexcribe::kSeparatorCount) - 1, 1)})
    ->ArgNames({"units", "separator"})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
