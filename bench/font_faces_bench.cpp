// Cost of building the Font list from Qt's font database: the first call of a
// process, a rebuilt database, the cached database, and the name lookup at start-up.
#include <benchmark/benchmark.h>

#include <QFontDatabase>
#include <QString>

#include "fonts/face_list.h"
#include "platform/platform.h"
#include "platform/qt/font_faces_qt.h"

namespace {

// What a start pays: the first enumeration of the process (fontconfig caches
// read from disk, Qt's database populated). Runs once, before the others.
void BM_EnumerateFontFaces_FirstCall(benchmark::State& state) {
  std::size_t count = 0;
  for (auto _ : state) count = hexcribe::EnumerateFontFaces().size();
  state.counters["faces"] = static_cast<double>(count);
}
BENCHMARK(BM_EnumerateFontFaces_FirstCall)->Iterations(1)->Unit(benchmark::kMillisecond);

// The toolkit's floor: its own family list, first call of a process (run it in
// a process of its own with --benchmark_filter to get a cold figure).
void BM_QtFamilies_FirstCall(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(QFontDatabase::families());
}
BENCHMARK(BM_QtFamilies_FirstCall)->Iterations(1)->Unit(benchmark::kMillisecond);

// Qt's database thrown away before every call (fontconfig's own cache stays
// warm). Removing an application font is the public way to invalidate it.
void BM_EnumerateFontFaces_Repopulated(benchmark::State& state) {
  const QString anyFontFile = QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  for (auto _ : state) {
    state.PauseTiming();
    if (QFontDatabase::addApplicationFont(anyFontFile) < 0 || !QFontDatabase::removeAllApplicationFonts()) {
      state.SkipWithError("cannot invalidate the font database (fonts-dejavu missing?)");
      break;
    }
    state.ResumeTiming();
    benchmark::DoNotOptimize(hexcribe::EnumerateFontFaces());
  }
}
BENCHMARK(BM_EnumerateFontFaces_Repopulated)->Unit(benchmark::kMillisecond);

void BM_EnumerateFontFaces_Cached(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(hexcribe::EnumerateFontFaces());
}
BENCHMARK(BM_EnumerateFontFaces_Cached)->Unit(benchmark::kMillisecond);

// The share of the generic-alias filter: fontconfig's family names.
void BM_FontconfigFamilyNames(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(hexcribe::platform::FontconfigFamilyNames());
}
BENCHMARK(BM_FontconfigFamilyNames)->Unit(benchmark::kMillisecond);

// The portable rules alone on this machine's raw list.
void BM_BuildFaceList(benchmark::State& state) {
  const std::vector<std::u16string> raw = hexcribe::platform::EnumerateRawFontFaces();
  for (auto _ : state) benchmark::DoNotOptimize(hexcribe::BuildFaceList(raw));
}
BENCHMARK(BM_BuildFaceList)->Unit(benchmark::kMicrosecond);

// Start-up's lookup of a saved face written under another locale.
void BM_CanonicalFaceName(benchmark::State& state) {
  const std::u16string saved = u"\uB098\uB214\uACE0\uB515";
  for (auto _ : state) benchmark::DoNotOptimize(hexcribe::platform::CanonicalFaceName(saved));
}
BENCHMARK(BM_CanonicalFaceName)->Unit(benchmark::kMillisecond);

}  // namespace
