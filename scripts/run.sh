#!/usr/bin/env bash
# Installs what is missing, builds Topband and starts it in a working folder
# (the first argument, or ~/Topband), which it seeds with the data files on first start.
source "$(dirname "$0")/common.sh"
install_missing_packages
build "$TOPBAND_SOURCE/build"
workdir=${1:-$HOME/Topband}
mkdir -p "$workdir"
exec "$TOPBAND_SOURCE/build/bin/topband" --workdir "$workdir"
