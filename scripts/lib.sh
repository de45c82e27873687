# Shared set-up of scripts/run and scripts/test: packages, Wine prefix, virtual display.
# shellcheck shell=bash

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages and the command that tells whether each is present.
declare -A KESTRUNE_PACKAGES=(
    [cmake]=cmake
    [ninja]=ninja-build
    [g++]=g++
    [x86_64-w64-mingw32-g++-posix]=g++-mingw-w64-x86-64-posix
    [x86_64-w64-mingw32-windres]=binutils-mingw-w64-x86-64
    [wine]=wine
    [/usr/lib/wine/wine64]=wine64
    [Xvfb]=xvfb
    [xdotool]=xdotool
    [import]=imagemagick
)

have() {
    case "$1" in
        /*) [ -x "$1" ] ;;
        *) command -v "$1" > /dev/null 2>&1 ;;
    esac
}

# Installs what is missing (as root), or names exactly what to install and stops.
ensure_packages() {
    local missing=() tool
    for tool in "${!KESTRUNE_PACKAGES[@]}"; do
        have "$tool" || missing+=("${KESTRUNE_PACKAGES[$tool]}")
    done
    [ -f /usr/src/googletest/CMakeLists.txt ] || missing+=(googletest)
    [ ${#missing[@]} -eq 0 ] && return 0
    mapfile -t missing < <(printf '%s\n' "${missing[@]}" | sort -u)
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing: ${missing[*]}"
        apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
    else
        echo "Missing packages. Install them with:" >&2
        echo "  sudo apt-get install ${missing[*]}" >&2
        exit 1
    fi
}

wine_env() {
    export WINEDEBUG=${WINEDEBUG:--all}
    # No Mono or Gecko prompts: the program needs neither.
    export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
}

# Wine's own fonts (MS Sans Serif among them) as its package ships them. Some builds do not
# find them where they lie, and the windows then fall back to a wider font of the system.
wine_font_dir() {
    local dir
    for dir in /usr/share/wine/fonts /usr/lib/wine/../share/wine/fonts /opt/wine*/share/wine/fonts; do
        [ -f "$dir/sserife.fon" ] && { echo "$dir"; return 0; }
    done
    return 1
}

# Copies Wine's fonts into a prefix that lacks them (only files it does not have).
ensure_wine_fonts() {
    local prefix=$1 from font
    from=$(wine_font_dir) || return 0
    mkdir -p "$prefix/drive_c/windows/Fonts"
    for font in "$from"/*.fon "$from"/*.ttf; do
        [ -e "$prefix/drive_c/windows/Fonts/$(basename "$font")" ] || cp "$font" "$prefix/drive_c/windows/Fonts/"
    done
}

# Creates the Wine prefix named by WINEPREFIX (or Wine's default) when it is new.
ensure_wine_prefix() {
    local prefix=${WINEPREFIX:-$HOME/.wine}
    if [ ! -f "$prefix/system.reg" ]; then
        echo "Creating Wine prefix $prefix"
        mkdir -p "$prefix"
        wineboot -i > /dev/null 2>&1 || true
        wineserver -w
        ensure_wine_fonts "$prefix"
    fi
}

# Test prefixes only: windows are not handed to a window manager. On a bare virtual display
# there is none, and Wine would wait two seconds for it at every window that is hidden.
unmanaged_windows() {
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
    wineserver -w
}

# Starts Xvfb on a free display and exports DISPLAY; XVFB_PID names it for stop_display. The
# screen is large enough for the main window at 200 % scale (1380 x 984 pixels inside its
# frame), which the tests of the larger scales show.
XVFB_PID=
start_display() {
    local n
    for n in $(seq 91 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 2048x1536x24 -nolisten tcp > /dev/null 2>&1 &
        XVFB_PID=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if kill -0 "$XVFB_PID" 2> /dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "Could not start Xvfb" >&2
    exit 1
}

stop_display() {
    if [ -n "$XVFB_PID" ]; then
        kill "$XVFB_PID" 2> /dev/null || true
        wait "$XVFB_PID" 2> /dev/null || true
        XVFB_PID=
    fi
}
