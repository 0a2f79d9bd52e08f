#!/usr/bin/env bash
# Makes the release packages from clean Release builds of both targets:
#   dist/kova-<version>-win64.zip   (x86_64, built in build/release-x86_64)
#   dist/kova-<version>-win32.zip   (i686, built in build/release-i686)
# Each holds the stripped kova.exe, README.txt, the runtime reference (docs/), the
# examples and the licence texts of everything linked into the program. The debug
# information stays beside the zips, as dist/kova-<version>-<win>-debug/kova.exe.debug,
# which the program's debug link names.
#
# The same commit gives the same bytes, wherever it is checked out: the builds keep
# paths and time stamps out (see KOVA_RELEASE in CMakeLists.txt), and every entry of a
# zip has the time of the commit (or SOURCE_DATE_EPOCH, when set) and fixed
# attributes, in name order.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
jobs="${KOVA_JOBS:-$(nproc)}"
dist="$root/dist"
cd "$root"

say() { echo "release: $*"; }
die() { echo "release: error: $*" >&2; exit 1; }

# The libraries and the licence texts kept from their sources.
if [ ! -f .cache/deps/.complete ] || [ ! -d .cache/deps/licenses ]; then
    scripts/setup.sh
fi

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH="$(git -C "$root" log -1 --format=%ct 2>/dev/null)" ||
        die "not a git checkout: set SOURCE_DATE_EPOCH"
fi
export SOURCE_DATE_EPOCH

# The licence texts, as the packages name them: a file under licenses/, then where it
# comes from (the library sources' own, kept by scripts/setup.sh; the Debian packages'
# copyright files of the toolchain's parts).
deps_licenses="$root/.cache/deps/licenses"
licenses=(
    "zlib.txt /usr/share/doc/libz-mingw-w64-dev/copyright"
    "libpng-LICENSE.txt $deps_licenses/libpng-LICENSE.txt"
    "libjpeg-turbo-LICENSE.md $deps_licenses/libjpeg-turbo-LICENSE.md"
    "libjpeg-turbo-README.ijg $deps_licenses/libjpeg-turbo-README.ijg"
    "libffi-LICENSE.txt $deps_licenses/libffi-LICENSE.txt"
    "mingw-w64.txt /usr/share/doc/mingw-w64-common/copyright"
    "gcc-runtime.txt /usr/share/doc/gcc-mingw-w64-base/copyright"
    "GPL-3.txt /usr/share/common-licenses/GPL-3"
)
for entry in "${licenses[@]}"; do
    [ -f "${entry#* }" ] || die "no licence text ${entry#* }"
done

# build ARCH: a clean Release build of kova.exe in build/release-ARCH.
build() {
    local arch=$1 dir="$root/build/release-$1"
    rm -rf "$dir"
    cmake -S "$root" -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$arch.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DKOVA_TESTS=OFF -DKOVA_RELEASE=ON >/dev/null
    say "building $arch"
    cmake --build "$dir" -j "$jobs" --target kova
}

# The version text that the build took from CMakeLists.txt.
version_of() {
    sed -n 's/^#define KOVA_VERSION "\(.*\)"$/\1/p' "$root/build/release-$1/generated/kova_version.h"
}

# stage ARCH BITS FOLDER: the package's files in FOLDER, the debug information in
# FOLDER-debug.
stage() {
    local arch=$1 bits=$2 out=$3 dir="$root/build/release-$1" entry
    rm -rf "$out" "$out-debug"
    mkdir -p "$out/examples" "$out/licenses" "$out-debug"
    "$arch-w64-mingw32-objcopy" --only-keep-debug "$dir/kova.exe" "$out-debug/kova.exe.debug"
    "$arch-w64-mingw32-objcopy" --strip-all --add-gnu-debuglink="$out-debug/kova.exe.debug" \
        "$dir/kova.exe" "$out/kova.exe"
    # Notepad shows bare line feeds as one long line in older Windows.
    sed -e "s/@VERSION@/$version/g" -e "s/@BITS@/$bits/g" -e 's/$/\r/' \
        "$root/docs/README-windows.md" >"$out/README.txt"
    cp "$root"/examples/*.js "$out/examples/"
    # The runtime reference, once there is one.
    if [ -f "$root/docs/reference.md" ]; then
        mkdir -p "$out/docs"
        cp "$root/docs/reference.md" "$out/docs/"
    fi
    for entry in "${licenses[@]}"; do
        cp "${entry#* }" "$out/licenses/${entry%% *}"
    done
}

# pack FOLDER ZIP: the folder's files as the zip's top level, in name order, each entry
# with the time SOURCE_DATE_EPOCH and plain attributes.
pack() {
    python3 - "$1" "$2" <<'EOF'
import os, sys, time, zipfile
folder, target = sys.argv[1], sys.argv[2]
stamp = time.gmtime(max(int(os.environ["SOURCE_DATE_EPOCH"]), 315532800))[:6]
names = []
for here, dirs, files in os.walk(folder):
    rel = os.path.relpath(here, folder)
    prefix = "" if rel == "." else rel.replace(os.sep, "/") + "/"
    if prefix:
        names.append(prefix)
    names += [prefix + f for f in files]
with zipfile.ZipFile(target + ".part", "w") as z:
    for name in sorted(names):
        info = zipfile.ZipInfo(name, stamp)
        info.create_system = 0          # MS-DOS attributes
        if name.endswith("/"):
            info.external_attr = 0x10   # directory
            z.writestr(info, b"")
        else:
            info.compress_type = zipfile.ZIP_DEFLATED
            with open(os.path.join(folder, name), "rb") as f:
                z.writestr(info, f.read(), compresslevel=9)
os.replace(target + ".part", target)
EOF
}

build x86_64
build i686
version="$(version_of x86_64)"
[ -n "$version" ] && [ "$version" = "$(version_of i686)" ] || die "no version in the builds"

mkdir -p "$dist"
for pair in "x86_64 64 win64" "i686 32 win32"; do
    read -r arch bits win <<<"$pair"
    name="kova-$version-$win"
    stage "$arch" "$bits" "$dist/$name"
    pack "$dist/$name" "$dist/$name.zip"
    rm -rf "${dist:?}/$name"
    say "$dist/$name.zip ($(stat -c %s "$dist/$name.zip") bytes; kova.exe debug information in $dist/$name-debug)"
done
