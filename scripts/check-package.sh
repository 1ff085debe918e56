#!/usr/bin/env bash
# CI: builds the Debian package from the build tree of `make test`, installs it
# as a user would, runs both programs from /usr/bin, compares the window with
# the README's screenshot, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
# xdotool matches the Chinese window title only in a UTF-8 locale, and the
# window's picture must not depend on the machine's locale either; apt asks
# nothing.
export LC_ALL=C.UTF-8 DEBIAN_FRONTEND=noninteractive

fail() { echo "check-package: $*" >&2; exit 1; }
apt=(apt-get -o DPkg::Lock::Timeout=600 -y -qq)
# An ordinary user: the installed folder is not writable for it, so its
# settings go to its own folder, as on a real desktop.
user=velnorix-check
home=/home/$user

leave_nothing_behind() {
    "${apt[@]}" purge velnorix >/dev/null 2>&1 || true
    userdel --remove "$user" 2>/dev/null || true
}
trap leave_nothing_behind EXIT

# Only this check needs them: a virtual display, a hand on its keyboard and
# mouse, and the validators of the desktop files.
scripts/install-deps.sh xvfb xauth xdotool desktop-file-utils appstream
rm -f build/velnorix_*.deb
make package
"${apt[@]}" install ./build/velnorix_*.deb >/dev/null

# Every link into /usr leads somewhere, and the desktop files pass their validators.
for file in $(dpkg --listfiles velnorix | grep '^/usr/'); do
    [ -e "$file" ] || fail "$file leads nowhere"
done
for entry in $(dpkg --listfiles velnorix | grep '^/usr/share/applications/.*\.desktop$'); do
    desktop-file-validate "$entry"
done
for metainfo in $(dpkg --listfiles velnorix | grep '^/usr/share/metainfo/'); do
    appstreamcli validate --no-net "$metainfo"
done

[ "$(command -v velnorix-cli)" = /usr/bin/velnorix-cli ] || fail "velnorix-cli is not in /usr/bin"
[ "$(velnorix-cli --version)" = "velnorix-cli $(dpkg-query --show --showformat='${Version}' velnorix)" ] ||
    fail "velnorix-cli --version does not give the package's version"
[ "$(velnorix-cli broadcast --address 10.1.2.3 --mask 255.0.0.0)" = \
  $'广播地址:10.255.255.255\nBoardCast IP Addr:10.255.255.255' ] || fail "velnorix-cli broadcast gives a wrong report"

userdel --remove "$user" 2>/dev/null || true
useradd --create-home --home-dir "$home" "$user"
xvfb-run --auto-servernum --server-args='-screen 0 1024x768x24' \
    scripts/check-installed-window.sh "$user" docs/screenshot.png build/installed-window.png
# The settings file keeps the Windows profile format's CR LF line ends.
[ "$(tr -d '\r' < "$home/.config/velnorix/velnorix.ini")" = $'[Setting]\nbChinese=1' ] ||
    fail "no settings file with bChinese=1 in $home/.config/velnorix"

"${apt[@]}" purge velnorix >/dev/null
! dpkg-query --show velnorix >/dev/null 2>&1 || fail "velnorix is still installed"
for path in /opt/velnorix /usr/bin/velnorix /usr/bin/velnorix-cli; do
    [ ! -e "$path" ] && [ ! -L "$path" ] || fail "$path is left after the purge"
done
echo "check-package: the package installs, works and goes again"
