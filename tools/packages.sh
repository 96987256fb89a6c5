#!/usr/bin/env bash
# install_missing PACKAGE...: installs the Debian packages that are not installed yet, through
# sudo when not root. Sourced by the other scripts.
install_missing() {
    local missing=() package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if ((${#missing[@]} > 0)); then
        echo "Installing: ${missing[*]}"
        local sudo=()
        if [ "$(id -u)" -ne 0 ]; then
            sudo=(sudo)
        fi
        "${sudo[@]}" apt-get update
        "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
    fi
}
