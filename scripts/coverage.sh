#!/usr/bin/env bash
# Line and branch coverage of the numeric routines, the window model and the calculators, from the
# unit and scenario tests. The HTML report lands in build-coverage/coverage/index.html.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh lcov
cmake -S . -B build-coverage -DHLC_BUILD_APP=OFF -DHLC_COVERAGE=ON -DCMAKE_BUILD_TYPE=Debug
cmake --build build-coverage -j"$(nproc)"
find build-coverage -name '*.gcda' -delete
(cd build-coverage && ctest -j"$(nproc)" > /dev/null)
rc=(--rc lcov_branch_coverage=1)
lcov "${rc[@]}" --quiet --capture --directory build-coverage --output-file build-coverage/all.info
lcov "${rc[@]}" --quiet --extract build-coverage/all.info "$PWD/src/numeric/*" "$PWD/src/ui/*" "$PWD/src/point/*" \
    "$PWD/src/compare/*" "$PWD/src/tuner/*" "$PWD/src/line/*" --output-file build-coverage/project.info
genhtml "${rc[@]}" --quiet build-coverage/project.info --output-directory build-coverage/coverage
lcov "${rc[@]}" --list build-coverage/project.info
lcov "${rc[@]}" --summary build-coverage/project.info
