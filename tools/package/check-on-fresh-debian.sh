#!/usr/bin/env bash
# Proves that the package installs and starts on a machine where commtest was never built: makes a
# minimal Debian 12 with debootstrap (from the mirror this machine's apt uses), installs the .deb in
# it with apt, which fetches the dependencies, and starts the installed program as an ordinary user
# under xvfb-run with --smoke-test, in Chinese (no locale) and in English (an English locale). Each
# run must show the search dialog; its pictures are copied out. As root; takes some minutes; by
# hand, not in CI. A chroot folder left from an earlier run is used again, with the package purged
# from it first.
#
#   tools/package/check-on-fresh-debian.sh PACKAGE.deb [chroot folder] [results folder]
set -euo pipefail
deb=$(realpath "$1")
root=${2:-/var/tmp/commtest-debian12}
results=${3:-$root-results}
[[ $EUID -eq 0 ]] || { echo "run as root" >&2; exit 1; }
command -v debootstrap >/dev/null || { echo "debootstrap is missing: bash tools/install-deps.sh" >&2; exit 1; }

# The Debian mirror of this machine's apt sources (one-line or deb822 form).
mirror=$(
  { grep -hE '^deb ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      awk '$3 ~ /^bookworm$/ { print $2; exit }'
    awk '/^URIs:/ { uri = $2 } /^Suites:/ { for (i = 2; i <= NF; i++) if ($i == "bookworm") print uri }' \
      /etc/apt/sources.list.d/*.sources 2>/dev/null; } | head -n 1)
[[ -n $mirror ]] || { echo "no Debian 12 (bookworm) mirror in the apt sources" >&2; exit 1; }

mounted=()
cleanup() {
  # A program that has just ended may hold a mount for a moment; detach it then.
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount "${mounted[i]}" || umount --lazy "${mounted[i]}" || true; done
}
trap cleanup EXIT
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

if [[ ! -x $root/usr/bin/apt-get ]]; then
  echo "== debootstrap bookworm from $mirror into $root"
  debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
    { tail -n 20 "$root.debootstrap.log"; exit 1; }
fi
for fs in proc sys dev dev/pts; do
  mkdir -p "$root/$fs"
  mount --bind "/$fs" "$root/$fs"
  mounted+=("$root/$fs")
done
cp /etc/resolv.conf "$root/etc/resolv.conf"

in_root dpkg --purge commtest >/dev/null 2>&1 || true
echo "== never built here: no compiler, no cmake, no commtest"
in_root sh -c '! command -v c++ && ! command -v cmake && ! command -v qmake6 && ! test -e /usr/bin/commtest'

echo "== apt install ./$(basename "$deb") xvfb xauth"
cp "$deb" "$root/tmp/"
in_root apt-get update -qq
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "/tmp/$(basename "$deb")" xvfb xauth \
  >"$root.apt.log" 2>&1 || { tail -n 30 "$root.apt.log"; exit 1; }
in_root dpkg-query -W -f='installed ${Package} ${Version}; depends: ${Depends}\n' commtest

in_root sh -c 'id tester >/dev/null 2>&1 || useradd -m tester'
mkdir -p "$results"
status=0
for run in "zh:" "en:LANG=en_US.UTF-8"; do
  lang=${run%%:*}
  locale=${run#*:}
  echo "== as user tester, ${locale:-no locale}: xvfb-run commtest --smoke-test"
  in_root su tester -c "cd ~ && rm -rf ~/.config/commtest && env $locale timeout 120 xvfb-run -a \
    -s '-screen 0 1280x1024x24' commtest --smoke-test /tmp/search-$lang.png" || status=1
  cp "$root/tmp/search-$lang.png" "$results/" 2>/dev/null || status=1
  in_root su tester -c 'ls ~/.config/commtest/' || status=1
done
echo "== pictures in $results"
exit $status
