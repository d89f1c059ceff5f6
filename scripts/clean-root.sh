#!/bin/sh
# Makes sure a clean Debian 12 root (debootstrap --variant=minbase bookworm)
# is cached for the package check, and prints its path. The root is made
# once per machine and kept in NUMBRIX_CLEAN_ROOT_CACHE (default
# /var/cache/numbrix-calc; remove the folder to make it anew); it is remade
# when older than 30 days, so security updates do not pile up in every
# check. The check copies it and never changes the cached one. Runs under a
# lock, so a second caller waits for the first one's root instead of making
# its own: scripts/test.sh starts it early, while the builds run.
#
# Usage: scripts/clean-root.sh   (as root; exits 1 when debootstrap fails)
set -eu
cache=${NUMBRIX_CLEAN_ROOT_CACHE:-/var/cache/numbrix-calc}
root=$cache/bookworm-minbase
mkdir -p "$cache"
exec 9>"$cache/lock"
flock 9
if [ -f "$root/.made" ] && [ -n "$(find "$root/.made" -mtime -30)" ]; then
    echo "$root"
    exit 0
fi
rm -rf "$root" "$root.new"
mirror=$(sed -n 's/^URIs: *\(http[^ ]*debian\)\/*$/\1/p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -n 1)
if ! debootstrap --variant=minbase bookworm "$root.new" "${mirror:-http://deb.debian.org/debian}" >"$cache/debootstrap.log" 2>&1; then
    tail -n 20 "$cache/debootstrap.log" >&2
    rm -rf "$root.new"
    exit 1
fi
# Downloaded packages are kept beside it (the check lends them to each
# copy), not inside it.
rm -f "$root.new"/var/cache/apt/archives/*.deb
date -u +%FT%TZ >"$root.new/.made"
mv "$root.new" "$root"
echo "$root"
