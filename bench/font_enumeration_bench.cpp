// Cost of building the Font list from the installed fonts: the first enumeration in a
// process (the toolkit loads its font database then), later ones, and the portable
// filtering and sorting alone. Run by font_enumeration.py with the machine's fonts and
// with thousands more.
#include <benchmark/benchmark.h>

#include <QFontDatabase>
#include <QGuiApplication>
#include <string>
#include <vector>

#include "fonts/face_list.h"
#include "platform/platform.h"

namespace {

// Registered first, so it runs before anything else has touched the font database.
void BM_FirstEnumeration(benchmark::State& state) {
  for (auto _ : state) {
    const auto faces = hexcribe::EnumerateFontFaces();
    state.counters["faces"] = static_cast<double>(faces.size());
  }
}
BENCHMARK(BM_FirstEnumeration)->Iterations(1)->Unit(benchmark::kMillisecond);

// The toolkit's own floor: its family list alone, first call of a process (run
// in a process of its own with --benchmark_filter).
void BM_FirstQtFamilies(benchmark::State& state) {
  for (auto _ : state) {
    const QStringList families = QFontDatabase::families();
    state.counters["families"] = static_cast<double>(families.size());
  }
}
BENCHMARK(BM_FirstQtFamilies)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_Enumeration(benchmark::State& state) {
  for (auto _ : state) {
    const auto faces = hexcribe::EnumerateFontFaces();
    benchmark::DoNotOptimize(faces.data());
  }
}
BENCHMARK(BM_Enumeration)->Unit(benchmark::kMillisecond);

// The start-up's other font look-up: mapping the saved face to the listed name.
void BM_CanonicalFaceName(benchmark::State& state) {
  for (auto _ : state) {
    const auto name = hexcribe::platform::CanonicalFaceName(u"Noto Sans CJK KR");
    benchmark::DoNotOptimize(name.data());
  }
}
BENCHMARK(BM_CanonicalFaceName)->Unit(benchmark::kMillisecond);

// Filtering, de-duplication and sorting alone, over the raw reports of the installed fonts.
void BM_BuildFaceList(benchmark::State& state) {
  const std::vector<std::u16string> raw = hexcribe::platform::EnumerateRawFontFaces();
  for (auto _ : state) {
    const auto faces = hexcribe::BuildFaceList(raw);
    benchmark::DoNotOptimize(faces.data());
  }
  state.counters["raw"] = static_cast<double>(raw.size());
}
BENCHMARK(BM_BuildFaceList)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  // The font database needs a GUI application; no window is ever shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  int qtArgc = 1;
  QGuiApplication app(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
