# The end-to-end scripts' check: source it, call check, and fail the run when failures is not 0.
failures=0
check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok - $1"
  else
    echo "FAIL - $1"; echo "   expected: $2"; echo "   actual:   $3"
    failures=$((failures + 1))
  fi
}
