#!/usr/bin/env bash
# Line and branch coverage of the numeric routines, the window model and the calculators, from the
# unit and scenario tests (gcov, summarised by gcovr; branches that only throw or that the compiler
# made unreachable are left out). The HTML report lands in build-coverage/coverage.html. The build is the
# preset "coverage" of CMakePresets.json.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh gcovr
cmake --preset coverage
cmake --build --preset coverage -j"$(nproc)"
find build-coverage -name '*.gcda' -delete
ctest --preset coverage -j"$(nproc)" > /dev/null
args=(-r . --object-directory build-coverage --filter 'src/(numeric|ui|point|compare|tuner|line)/'
      --exclude-throw-branches --exclude-unreachable-branches)
gcovr "${args[@]}" --html-details build-coverage/coverage.html > /dev/null
echo "== lines"
gcovr "${args[@]}"
echo "== branches"
gcovr "${args[@]}" --branches --print-summary
