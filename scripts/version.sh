#!/usr/bin/env bash
# Prints the version, as the configured build folder's generated header holds it.
# Usage: version.sh BUILD_DIR
set -euo pipefail
sed -n 's/^#define PENMAR_VERSION_TEXT "\(.*\)"$/\1/p' "$1/generated/penmar_version.h"
