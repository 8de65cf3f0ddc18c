# Shared counters and checks of the package test scripts; source it, then call ok, fail, expect.
passed=0
failed=0
ok() { echo "ok - $1"; passed=$((passed + 1)); }
fail() { echo "FAIL - $1"; failed=$((failed + 1)); }
expect() {  # expect DESCRIPTION ACTUAL WANTED
  if [ "$2" == "$3" ]; then ok "$1"; else fail "$1: got '$2', expected '$3'"; fi
}
