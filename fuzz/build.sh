#!/usr/bin/env bash
# Builds the fuzz target with clang's libFuzzer and runs it on the example projects for
# the given number of seconds (default 60). Not part of the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p build-fuzz/corpus
cp data/examples/*.vcw data/examples/*.Los tests/data/*.vcw build-fuzz/corpus/ 2>/dev/null || true
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -Isrc/core \
  fuzz/lee_archivo_fuzz.cpp $(find src/core -name '*.cpp') -o build-fuzz/lee_archivo_fuzz
build-fuzz/lee_archivo_fuzz -max_total_time="${1:-60}" -max_len=8192 build-fuzz/corpus
