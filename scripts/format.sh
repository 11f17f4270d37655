#!/usr/bin/env bash
# Formats every C++ file of the repository in the house style (.clang-format).
# With --check it changes nothing and fails, naming the files, when one is not formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t files < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--check" ]; then
    clang-format --dry-run --Werror "${files[@]}"
else
    clang-format -i "${files[@]}"
fi
