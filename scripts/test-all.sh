#!/usr/bin/env bash
# Installs what is missing, builds every configuration and runs every test.
# Needs root or sudo for apt-get. Exit status 0 only when every suite passed.
#
# The presets portable, release and asan run first, each through CTest. Then the extra suites,
# scripts/test.d/*.sh, in the order each one states in a header line of its own:
#   # order: 20
# (ascending; a suite that uses what another one built states a larger number). A suite without
# that line is refused. Each suite runs with HEXCRIBE_JUNIT_DIR naming an empty folder of its own:
# a suite that runs CTest passes --output-junit "$HEXCRIBE_JUNIT_DIR/<name>.xml" and is counted
# test by test from those files; a suite that writes none counts as one test. Whatever the counts,
# a suite that exits with a status other than 0 has failed.
set -uo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh || { echo "dependency installation failed"; exit 1; }

results="$root/build/test-results"
rm -rf "$results"
mkdir -p "$results"
passed=0
failed=0
not_run=0
failed_suites=()

# count SUITE STATUS JUNIT_DIR: adds a suite's tests from its CTest JUnit files, or the suite
# itself when it wrote none; a suite that failed without a failed test adds one failure.
count() {
  local suite=$1 status=$2 counts p f n
  counts=$(python3 - "$3" <<'EOF'
import pathlib, sys
import xml.etree.ElementTree as tree
counts = {"run": 0, "fail": 0, "notrun": 0, "files": 0}
for junit in sorted(pathlib.Path(sys.argv[1]).glob("*.xml")):
    counts["files"] += 1
    for case in tree.parse(junit).getroot().iter("testcase"):
        status = case.get("status")
        counts[status if status in ("run", "fail") else "notrun"] += 1
print(counts["run"], counts["fail"], counts["notrun"], counts["files"])
EOF
  ) || counts="0 0 0 0"
  read -r p f n files <<<"$counts"
  if [ "$files" -eq 0 ]; then
    if [ "$status" -eq 0 ]; then p=1; else f=1; fi
  elif [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then
    f=1  # a build error, a time limit or a test that could not start
  fi
  passed=$((passed + p))
  failed=$((failed + f))
  not_run=$((not_run + n))
  [ "$status" -eq 0 ] || failed_suites+=("$suite")
  echo "=== $suite: $p passed, $f failed, $n not run"
}

run_preset() {  # configure, build and test one preset
  local preset=$1 junit="$results/$1" status=0
  mkdir -p "$junit"
  echo "=== $preset: configure and build"
  if cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; then
    echo "=== $preset: tests"
    ctest --preset "$preset" --output-junit "$junit/ctest.xml" || status=$?
  else
    echo "=== $preset: BUILD FAILED"
    status=1
  fi
  count "$preset" "$status" "$junit"
}

for preset in portable release asan; do
  run_preset "$preset"
done

# The extra suites, by the order each states.
suites=()
for suite in scripts/test.d/*.sh; do
  order=$(sed -nE 's/^# order: ([0-9]+)\b.*/\1/p' "$suite" | head -n 1)
  if [ -z "$order" ]; then
    echo "=== $suite states no '# order: N' line"
    failed=$((failed + 1))
    failed_suites+=("$suite")
    continue
  fi
  suites+=("$order $suite")
done
while read -r _ suite; do
  [ -n "$suite" ] || continue
  name=$(basename "$suite" .sh)
  junit="$results/$name"
  mkdir -p "$junit"
  echo "=== $name"
  status=0
  HEXCRIBE_JUNIT_DIR="$junit" bash "$suite" || status=$?
  count "$name" "$status" "$junit"
done < <(printf '%s\n' "${suites[@]}" | sort -n -k1,1)

echo "all suites: $passed passed, $failed failed, $not_run not run (JUnit files in build/test-results)"
if [ ${#failed_suites[@]} -ne 0 ]; then
  echo "failed: ${failed_suites[*]}"
  exit 1
fi
exit 0
