#!/usr/bin/env bash
# Installs the named Debian packages that are not installed yet; through
# sudo when not run as root, or says how to when there is no sudo. Does
# nothing when all are there.
set -euo pipefail

missing=()
for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        # Without sudo only root can install; say how instead of failing on
        # "sudo: command not found".
        echo "These Debian packages are missing: ${missing[*]}" >&2
        echo "Installing them needs root, and sudo is not installed. Install them as root," >&2
        echo "then run this command again as yourself:" >&2
        echo "  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'" >&2
        exit 1
    fi
    as_root=(sudo)
fi
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y --no-install-recommends "${missing[@]}"
