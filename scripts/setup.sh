#!/usr/bin/env bash
# Installs the Debian packages of a list (scripts/packages.txt unless another
# list file is given) that are missing.
# Safe to run again: it installs nothing when everything is there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
list=${1:-$here/packages.txt}

missing=()
while read -r pkg; do
  [ -n "$pkg" ] || continue
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" || missing+=("$pkg")
done < "$list"

if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
