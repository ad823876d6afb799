#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only when one is missing.
# Sourced by scripts/test and scripts/run; extra packages may be passed as arguments.
lx_install_deps() {
    local pkgs=(cmake ninja-build g++ clang clang-format libclang-rt-14-dev pkg-config
                qtbase5-dev qtscript5-dev qttools5-dev qttools5-dev-tools qttranslations5-l10n fonts-dejavu-core
                libboost-dev libbenchmark-dev zlib1g-dev
                xvfb xauth valgrind procps "$@")
    local missing=()
    local p
    for p in "${pkgs[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
