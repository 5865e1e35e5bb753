# Sourced by the run and test scripts: a private Wine prefix under build/, prepared once.
# Callers set `root` to the repository folder first.
export WINEPREFIX=${LINKGEN_WINEPREFIX:-$root/build/wineprefix}
export WINEDEBUG=-all
# No Mono or Gecko installer at prefix creation: nothing here needs them, and they would
# wait for a download.
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64

# The Windows path of a Linux path, through Wine's Z: drive.
windows_path() {
    local p=${1//\//\\}
    printf 'Z:%s' "$p"
}

# Imports a .reg file into the prefix's registry.
import_reg() {
    wine regedit /S "$(windows_path "$1")" >/dev/null 2>&1
}

# Creates and configures the prefix when it is new.
ensure_wine_prefix() {
    [ -f "$WINEPREFIX/.linkgen-ready" ] && return 0
    mkdir -p "$WINEPREFIX"
    wine wineboot -i >/dev/null 2>&1 || true
    # Caption buttons are drawn with Marlett, which this Wine build does not find by itself.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    cp /usr/share/wine/fonts/marlett.ttf "$fonts/" 2>/dev/null || true
    # Wine's stand-ins for the Windows UI fonts lack Chinese; map them to a font that has it.
    local reg="$WINEPREFIX/linkgen.reg"
    {
        printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        for face in "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "SimSun" "Microsoft Sans Serif"; do
            printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
        done
        printf '\r\n'
    } >"$reg"
    import_reg "$reg"
    wineserver -w
    touch "$WINEPREFIX/.linkgen-ready"
}

# Starts Xvfb on a free display when there is no display; sets DISPLAY and xvfb_pid.
ensure_display() {
    local size=${1:-1280x1024}
    xvfb_pid=
    [ -n "${DISPLAY:-}" ] && [ -z "${LINKGEN_OWN_DISPLAY:-}" ] && return 0
    local n
    for n in $(seq 90 140); do
        [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 "${size}x24" -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.1
        done
        if kill -0 "$xvfb_pid" 2>/dev/null && [ -e "/tmp/.X11-unix/X$n" ]; then
            export DISPLAY=":$n"
            return 0
        fi
    done
    echo "could not start Xvfb" >&2
    return 1
}
