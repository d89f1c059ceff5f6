#!/bin/sh
# Configures and builds one configuration: build.sh DIR [cmake options...]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$here" -B "$dir" -G Ninja "$@" >/dev/null
ninja -C "$dir"
