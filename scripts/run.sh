#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it with the game sets from config/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release
cmake --build --preset release --target vantrel-scriptloom
exec build/release/bin/vantrel-scriptloom "$@"
