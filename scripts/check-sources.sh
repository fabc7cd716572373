#!/usr/bin/env bash
# The sources as they are kept: every C++ file formatted by .clang-format, and the
# program's sources free of the faults .clang-tidy looks for. Needs a configured build
# folder (compile_commands.json, generated headers): run after ./dev test.
#   scripts/check-sources.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR=${1:-${SHRINK4_BUILD_DIR:-build}}

mapfile -t files < <(git ls-files '*.cpp' '*.h')
echo "clang-format: ${#files[@]} files"
clang-format --dry-run --Werror "${files[@]}"

mapfile -t sources < <(git ls-files 'src/*.cpp')
echo "clang-tidy: ${#sources[@]} files"
run-clang-tidy-14 -quiet -p "$BUILD_DIR" -j "$(nproc)" "${sources[@]/#/$PWD/}" > "$BUILD_DIR/clang-tidy.log" 2>&1 || {
    grep -E "(warning|error):" "$BUILD_DIR/clang-tidy.log" | sort -u
    echo "clang-tidy found the faults above (whole output: $BUILD_DIR/clang-tidy.log)" >&2
    exit 1
}
echo "clang-tidy: clean"
