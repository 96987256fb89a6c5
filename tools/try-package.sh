#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian and appstreamcli, installs it (through sudo
# when not root; on a machine meant for it: CI) and starts the installed program as the user
# nobody with a fresh home. The starter catalogue and Today's List must end up in that home's data folder, and
# nothing under the installation may change.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/packages.sh"
install_missing lintian appstream desktop-file-utils util-linux

deb="$(bash "$root/tools/package.sh" | tail -n 1)"
echo "Package: $deb"
lintian --fail-on error "$deb"
appstreamcli validate --no-net "$root/resources/desktop/example.brindlecove.Vittlo.metainfo.xml"
desktop-file-validate "$root/resources/desktop/example.brindlecove.Vittlo.desktop"

# --reinstall: an installed copy of the same version is replaced by the one just built.
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb"
built="$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/bin/vittlo | sha256sum)"
[ "$built" = "$(sha256sum </usr/bin/vittlo)" ] ||
    { echo "The installed vittlo is not the one just built." >&2; exit 1; }
installed="$(dpkg -L vittlo | while read -r path; do [ -f "$path" ] && echo "$path"; done)"
sums() { echo "$installed" | xargs sha256sum; ls -la --time-style=full-iso /usr/share/vittlo; }
before="$(sums)"

version="$(vittlo --version)"
[ "$version" = "Vittlo! 1.2" ] || { echo "vittlo --version printed: $version" >&2; exit 1; }

home="$(mktemp -d)"
as_root chown nobody "$home"
data="$home/.local/share/vittlo"
# Started directly (a shell function in the background would stand between), so that $! is the
# program or the sudo that passes signals on to it.
root=()
[ "$(id -u)" -eq 0 ] || root=(sudo)
"${root[@]}" setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen vittlo &
program=$!
for _ in $(seq 1 100); do
    as_root test -e "$data/todays.lst" && break
    sleep 0.2
done
sleep 1
"${root[@]}" kill -TERM "$program"
status=0
wait "$program" || status=$?
echo "The installed program ended with status $status; its data folder holds:"
as_root ls -la "$data"
[ "$status" -eq 0 ]
# The home is nobody's: looked into as root.
as_root sh -c '[ -s "$1/category.lst" ] && [ -s "$1/std_item.lst" ] && [ -e "$1/todays.lst" ] &&
    [ ! -e "$1/std_item.new" ] && [ ! -e "$1/vittlo.lck" ]' sh "$data" ||
    { echo "The data folder does not hold the starter catalogue and Today's List." >&2; exit 1; }
cmp <(echo "$before") <(sums) || { echo "The installation changed." >&2; exit 1; }
as_root rm -rf "$home"
echo "The installed program works as the user nobody, and left its installation as it was."
