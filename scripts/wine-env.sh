# Sourced by the scripts that run Windows programs: a throw-away wine prefix, no debug noise,
# and the Japanese ANSI code page 932.
export WINEDEBUG=-all
export LC_ALL=ja_JP.UTF-8
export WINEPREFIX="${PELLAN_WINEPREFIX:-$(mktemp -d /tmp/pellan-wine.XXXXXX)}"
WINE64=/usr/lib/wine/wine64
# A Windows path for a Linux one, through wine's drive Z:.
to_windows_path() { local p; p=$(readlink -f "$1"); echo "Z:${p//\//\\}"; }
