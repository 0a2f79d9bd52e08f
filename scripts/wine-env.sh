# Sourced by ./kova and the test wrapper: the project's own Wine prefix, quiet, with a
# persistent wineserver so that each program starts in about 0.1 s instead of 1 s.
# Expects KOVA_ROOT to be set to the repository root.

export WINEPREFIX="${KOVA_WINEPREFIX:-$KOVA_ROOT/build/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No installer prompts for the .NET runtime or the HTML engine.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
KOVA_WINE=/usr/lib/wine/wine64
KOVA_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$KOVA_WINESERVER" ] || KOVA_WINESERVER=wineserver

# Wine's 32-bit side (wine32) is a 32-bit Linux program. A kernel that cannot run those
# (IA-32 emulation off, or a hypervisor without 32-bit user mode) runs it through
# qemu's i386 user-mode emulator, registered for 32-bit x86 ELF files with binfmt_misc
# under this name; scripts/setup.sh installs the emulator.
KOVA_WINE32=/usr/lib/wine/wine
KOVA_BINFMT=/proc/sys/fs/binfmt_misc/kova-i386
KOVA_QEMU_I386=/usr/bin/qemu-i386

# Whether 32-bit programs run on this machine, natively or through the emulator.
kova_i386_runs() {
    [ -x "$KOVA_WINE32" ] && "$KOVA_WINE32" --version >/dev/null 2>&1
}

# Registers the emulator for 32-bit x86 ELF files (as root; the registration lasts until
# the machine restarts). Does nothing where they run already.
kova_i386_register() {
    [ -e "$KOVA_BINFMT" ] && return 0
    kova_i386_runs && return 0
    [ -x "$KOVA_QEMU_I386" ] || return 1
    local dir=${KOVA_BINFMT%/*}
    [ -e "$dir/register" ] || mount -t binfmt_misc binfmt_misc "$dir" 2>/dev/null || return 1
    # The ELF header of an i386 executable or shared object; F opens the emulator now,
    # so that it also serves processes in other mount namespaces.
    printf '%s' ":${KOVA_BINFMT##*/}:M::"'\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'":$KOVA_QEMU_I386:F" \
        >"$dir/register" 2>/dev/null || return 1
    kova_i386_runs
}

# Whether a server for this prefix is running: Wine names its folder after the device
# and inode of the prefix and keeps a socket there while the server lives.
kova_wine_running() {
    local id socket
    id="$(stat -c '%D %i' "$WINEPREFIX" 2>/dev/null)" || return 1
    printf -v id 'server-%s-%x' "${id% *}" "${id#* }"
    for socket in "${TMPDIR:-/tmp}"/wine-*/"$id"/socket /tmp/wine-*/"$id"/socket "/tmp/.wine-$EUID/$id/socket"; do
        [ -S "$socket" ] && return 0
    done
    return 1
}

kova_font_substitutes() {
    printf 'Windows Registry Editor Version 5.00\r\n\r\n'
    printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
    printf '"%s"="IPAPGothic"\r\n' 'ＭＳ Ｐゴシック'
    printf '"%s"="IPAGothic"\r\n' 'ＭＳ ゴシック'
    printf '"%s"="IPAGothic"\r\n' 'MS Gothic'
}

kova_wine_ready() {
    # A prefix that is set up and has its server running needs nothing more; checking
    # costs one process, where trying to start the server costs several.
    if [ -f "$WINEPREFIX/.kova-ready-2" ] && [ -f "$WINEPREFIX/.kova-fonts-2" ] &&
        { [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] || [ ! -x "$KOVA_WINE32" ]; } &&
        kova_wine_running; then
        return 0
    fi
    mkdir -p "$WINEPREFIX"
    # After a restart the emulator's registration is gone; renew it where it can be.
    [ "$EUID" != 0 ] || kova_i386_register || true
    # One process at a time creates the prefix and starts the server. The server and
    # Wine's background services (started by the first program after the server) get
    # /dev/null as standard streams: had they inherited a caller's pipe (ctest's, or
    # a shell pipeline's), the caller would wait for them to exit. Nor may they keep
    # the lock's descriptor, or the lock would last as long as they do.
    (
        flock 9
        if "$KOVA_WINESERVER" -p30 </dev/null >/dev/null 2>&1 9>&- || [ ! -f "$WINEPREFIX/.kova-ready-2" ]; then
            "$KOVA_WINE" cmd /c exit </dev/null >/dev/null 2>&1 9>&- || true
        fi
        # A prefix made while 32-bit programs could not run has no 32-bit half; Wine
        # adds it when it updates the prefix.
        if [ ! -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] && kova_i386_runs; then
            rm -f "$WINEPREFIX/.update-timestamp"
            "$KOVA_WINE" wineboot -u </dev/null >/dev/null 2>&1 9>&- || true
        fi
        if [ ! -f "$WINEPREFIX/.kova-ready-2" ]; then
            # Without a window manager Wine waits for one on DestroyWindow; let it
            # draw its own frames instead.
            "$KOVA_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1 9>&- || true
            # A program that crashes ends with exit code 5 instead of waiting for
            # someone to close Wine's crash dialog.
            "$KOVA_WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
                </dev/null >/dev/null 2>&1 9>&- || true
            touch "$WINEPREFIX/.kova-ready-2"
        fi
        if [ ! -f "$WINEPREFIX/.kova-fonts-2" ]; then
            # The dialogs ask for the Japanese system fonts by name; the IPA fonts
            # (fonts-ipafont-gothic) stand in for them whatever the code page. regedit
            # reads the names from a UTF-16 file, untouched by the command line's
            # character set.
            kova_font_substitutes | iconv -f UTF-8 -t UTF-16 >"$WINEPREFIX/drive_c/kova-fonts.reg"
            "$KOVA_WINE" regedit /s 'C:\kova-fonts.reg' </dev/null >/dev/null 2>&1 9>&- || true
            touch "$WINEPREFIX/.kova-fonts-2"
        fi
    ) 9>"$WINEPREFIX.lock"
}
