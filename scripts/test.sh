#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
# The embedded database engine keeps its lock files here; a folder of our own keeps
# the tests apart from any other program using the engine on this machine.
export FIREBIRD_LOCK="$(mktemp -d /tmp/morvanta-fblock.XXXXXX)"
trap 'rm -rf "$FIREBIRD_LOCK"' EXIT
export QT_QPA_PLATFORM=offscreen
cd build
ctest --output-on-failure -j"$(nproc)" --timeout 900
