#!/usr/bin/env bash
# Installs what is missing, builds with the given preset (release unless told otherwise) and runs
# every test. Exits non-zero when a test fails or when no test ran.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-release}

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
