#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test the program.
# Idempotent: installed packages are left alone, apt is not touched when nothing is missing.
set -euo pipefail

pkgs=(g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation)
# Extra packages a caller needs (the sanitizer and fuzzing run asks for clang).
pkgs+=("$@")

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
