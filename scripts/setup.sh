#!/usr/bin/env bash
# Prepares a Debian 12 machine for building and testing KOVA:
#   1. installs the cross toolchain, Wine (both its 64-bit and 32-bit sides) and the
#      test tools with apt;
#   2. builds static libpng, libjpeg-turbo, libffi and GoogleTest for
#      x86_64-w64-mingw32 and i686-w64-mingw32 from Debian's sources;
#   3. keeps the image test files of the libpng and libjpeg-turbo sources under
#      testdata/ (see TESTDATA), and the licence texts of the libraries kova.exe
#      links in under licenses/ (see LICENSES);
#   4. links <repo>/.cache/deps to the finished prefixes.
#
# The libraries live in a cache outside the repo (KOVA_CACHE, default
# /var/cache/kova), in a folder keyed by the source versions, the compiler
# packages and the recipe below, so fresh clones on the same machine reuse
# them. A run that finds everything in place takes a few seconds.
#
# Run as root (apt, /var/cache). Safe to run again at any time.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
CACHE=$(realpath -m "${KOVA_CACHE:-/var/cache/kova}")
JOBS=2
ARCHES=(x86_64 i686)

# Source packages from Debian's main archive. The security pool lists a newer
# libpng1.6 whose .dsc cannot be downloaded, so the point-release one is pinned.
PNG_SRC=libpng1.6   PNG_PIN=1.6.39-2+deb12u5
JPEG_SRC=libjpeg-turbo JPEG_PIN=1:2.1.5-2
FFI_SRC=libffi      FFI_PIN=3.4.4-1

# Bump when a build recipe below changes so every machine rebuilds.
RECIPE=4

# Test files kept from the sources: a folder under $DEPS/testdata, then the folder of
# the unpacked sources it is copied from. A cache that lacks one of them gets them
# all again, without rebuilding the libraries.
TESTDATA=(
  "pngsuite $PNG_SRC/contrib/pngsuite"    # libpng's conformance suite, interlaced/ too
  "testpngs $PNG_SRC/contrib/testpngs"    # every colour type with gamma chunks; crashers/
  "jpeg $JPEG_SRC/testimages"             # libjpeg-turbo's test images
)

# Licence texts that the release packages (scripts/release.sh) ship beside kova.exe: a
# file under $DEPS/licenses, then the file of the unpacked sources it is copied from.
# Kept and fetched again like the test files.
LICENSES=(
  "libpng-LICENSE.txt $PNG_SRC/LICENSE"
  "libjpeg-turbo-LICENSE.md $JPEG_SRC/LICENSE.md"
  "libjpeg-turbo-README.ijg $JPEG_SRC/README.ijg"
  "libffi-LICENSE.txt $FFI_SRC/LICENSE"
)

APT_PACKAGES=(
  # cross compilers, IDL compiler, Wine's IDL files
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 mingw-w64-tools libwine-dev
  libz-mingw-w64-dev
  # running and driving the programs
  wine wine64 xvfb xauth imagemagick xdotool tmux fonts-ipafont-gothic
  # djpeg and cjpeg, the reference decoder and encoder of the JPEG tests
  libjpeg-turbo-progs
  # Wine's X11 driver loads these at run time; they are only recommended
  libxrender1 libxrandr2 libxi6 libxcursor1 libxinerama1 libxcomposite1
  libxfixes3 libxxf86vm1 libgl1 libgnutls30 libdbus-1-3
  # the Japanese locale that Wine's code page 932 tests run under
  locales
  # builds
  cmake make nasm dpkg-dev xz-utils libgtest-dev
  # host-side sanitizer and fuzzing builds, the image codecs' among them
  clang libclang-rt-14-dev libpng-dev libjpeg62-turbo-dev
)

# Packages whose versions decide whether cached libraries still fit.
KEY_PACKAGES=(
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  gcc-mingw-w64-i686-posix g++-mingw-w64-i686-posix mingw-w64-i686-dev
  binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
  libz-mingw-w64-dev libgtest-dev nasm cmake
)

say() { echo "setup: $*"; }
die() { echo "setup: error: $*" >&2; exit 1; }

export DEBIAN_FRONTEND=noninteractive
APT_OPTS=(-y -q -o DPkg::Lock::Timeout=600 -o APT::Sandbox::User=root)
APT_UPDATED=0

# An index that fails to download (a mirror in the middle of a sync, say) leaves apt
# with the others; what then cannot be installed fails at the install, with its log.
apt_update() {
  if [ "$APT_UPDATED" = 0 ]; then
    say "apt-get update"
    local log="$CACHE/logs/apt-update.log"
    if ! apt-get "${APT_OPTS[@]}" update >"$log" 2>&1; then
      cat "$log" >>"$CACHE/logs/apt.log"
      say "warning: apt-get update reported errors; going on with the indexes it has:"
      grep -E '^(E|Err):' "$log" | sed 's/^/  | /' >&2 || tail -n 5 "$log" >&2
    fi
    APT_UPDATED=1
  fi
}

need_root() {
  [ "$(id -u)" = 0 ] || die "$1 needs root; run: sudo $0"
}

# Prints the packages in "$@" that are not installed.
missing_packages() {
  local p
  for p in "$@"; do
    # One line per architecture the package is known in.
    dpkg-query -W -f='${db:Status-Status}\n' "$p" 2>/dev/null | grep -qx installed ||
      echo "$p"
  done
}

install_packages() {
  local missing
  mapfile -t missing < <(missing_packages "${APT_PACKAGES[@]}")
  if [ "${#missing[@]}" = 0 ]; then
    say "packages: all ${#APT_PACKAGES[@]} present"
    return
  fi
  need_root "installing packages"
  apt_update
  say "installing ${missing[*]}"
  apt-get "${APT_OPTS[@]}" install --no-install-recommends "${missing[@]}" \
    >>"$CACHE/logs/apt.log" 2>&1 ||
    { tail -n 30 "$CACHE/logs/apt.log" >&2; die "apt-get install failed (log: $CACHE/logs/apt.log)"; }
  /usr/lib/wine/wine64 --version >/dev/null 2>&1 || die "wine64 does not start after install"
}

# --- Wine's 32-bit side ----------------------------------------------------

# The i686 build runs through the WoW64 half of the 64-bit prefix, which wine32 (an
# i386 package) provides. A library installed for both architectures must have the
# same version in each, so an amd64 library newer than every i386 build apt can see
# (one from a suite whose i386 index failed to download) is moved to the newest
# version both architectures have.

# Prints "NAME CANDIDATE VERSION..." for each package named (NAME as given, with its
# architecture if one was given): apt's candidate, then every version apt may install
# unasked (pin priority 500 and up; backports, at 100, are left out).
policy_versions() {
  [ "$#" -gt 0 ] || return 0
  apt-cache policy "$@" 2>/dev/null | awk '
    /^[^ ].*:$/ { if (p != "") print p, c v; p = substr($0, 1, length($0) - 1); c = "-"; v = ""; next }
    $1 == "Candidate:" { c = $2; next }
    /^ +(\*\*\* +)?[^ ]+ -?[0-9]+$/ { if ($NF >= 500) v = v " " $(NF - 1) }
    END { if (p != "") print p, c v }'
}

# Newest of the Debian versions given.
newest_version() {
  local best= v
  for v; do
    if [ -z "$best" ] || dpkg --compare-versions "$v" gt "$best"; then best=$v; fi
  done
  echo "$best"
}

# Prints pkg:amd64=VERSION for each library wine32 needs, installed for amd64, whose
# amd64 candidate differs from its i386 one: the newest version both architectures
# have. The other installed amd64 packages built from the same source go to that
# version too (where apt has it), since they often depend on their library's exact one.
wine32_pins() {
  local pkg arch multi status src name candidate versions v
  local -A source_of=() same=() need=() cand=() vers=() pinned=()
  while read -r pkg arch multi status src; do
    [ "$arch" = amd64 ] && [ "$status" = installed ] || continue
    source_of[$pkg]=$src
    [ "$multi" = same ] && same[$pkg]=1
  done < <(dpkg-query -W -f='${Package} ${Architecture} ${Multi-Arch} ${db:Status-Status} ${source:Package}\n')
  while read -r pkg; do
    [ -n "${same[$pkg]:-}" ] && need[$pkg]=1
  done < <(apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts \
      --no-breaks --no-replaces --no-enhances wine32:i386 2>/dev/null |
      sed -n 's/^\([^ <][^:]*\):i386$/\1/p' | sort -u)
  [ "${#need[@]}" -gt 0 ] || return 0
  local names=() p
  for p in "${!need[@]}"; do names+=("$p" "$p:i386"); done
  while read -r name candidate versions; do
    cand[$name]=$candidate
    vers[$name]=" $versions "
  done < <(policy_versions "${names[@]}")
  for p in "${!need[@]}"; do
    [ "${cand[$p]:-}" = "${cand[$p:i386]:-}" ] && continue
    local common=()
    for v in ${vers[$p]:-}; do
      case "${vers[$p:i386]:-}" in *" $v "*) common+=("$v") ;; esac
    done
    [ "${#common[@]}" = 0 ] || pinned[${source_of[$p]}]=$(newest_version "${common[@]}")
  done
  [ "${#pinned[@]}" -gt 0 ] || return 0
  names=()
  for p in "${!source_of[@]}"; do
    [ -n "${pinned[${source_of[$p]}]:-}" ] && names+=("$p")
  done
  while read -r name candidate versions; do
    v=${pinned[${source_of[$name]}]}
    case " $versions " in *" $v "*) echo "$name:amd64=$v" ;; esac
  done < <(policy_versions "${names[@]}")
}

install_wine32() {
  if [ "$(dpkg-query -W -f='${db:Status-Status}' wine32:i386 2>/dev/null)" = installed ]; then
    say "wine32: present"
    return
  fi
  need_root "installing Wine's 32-bit side"
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    say "added the i386 architecture"
    APT_UPDATED=0
  fi
  # The i386 indexes must be there, whatever an earlier update found.
  [ -n "$(ls /var/lib/apt/lists/*_binary-i386_Packages* 2>/dev/null)" ] || APT_UPDATED=0
  apt_update
  local pins
  mapfile -t pins < <(wine32_pins)
  [ "${#pins[@]}" = 0 ] ||
    say "wine32: amd64 libraries moved to a version with an i386 twin: ${pins[*]}"
  say "installing wine32"
  apt-get "${APT_OPTS[@]}" install --no-install-recommends --allow-downgrades \
    wine32:i386 "${pins[@]}" >>"$CACHE/logs/apt.log" 2>&1 ||
    { tail -n 30 "$CACHE/logs/apt.log" >&2; die "installing wine32 failed (log: $CACHE/logs/apt.log)"; }
  say "wine32: $(dpkg-query -W -f='${Version}' wine32:i386)"
}

# Kernels that cannot run 32-bit programs get qemu's i386 user-mode emulator for them
# (scripts/wine-env.sh registers it). Debian 12's qemu (7.2) takes about a minute of
# processor time to start one Wine process; bookworm-backports' (10.0), about a second.
QEMU_SUITE=bookworm-backports
QEMU_MIN=1:10

add_backports() {
  local list=/etc/apt/sources.list.d/kova-backports.sources uri f files=()
  [ -f "$list" ] && return 0
  # The mirror of the main archive that the system's sources name.
  for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list; do
    [ -f "$f" ] && files+=("$f")
  done
  uri=$(awk '/^(URIs:|deb[ \t])/ { for (i = 2; i <= NF; i++) if ($i ~ /^[a-z]+:\/\/.*\/debian\/?$/) { print $i; exit } }' \
    "${files[@]}" </dev/null)
  printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
    "${uri:-http://deb.debian.org/debian}" "$QEMU_SUITE" \
    /usr/share/keyrings/debian-archive-keyring.gpg >"$list"
  say "added $list (for qemu-user)"
  APT_UPDATED=0
}

install_i386_exec() {
  # shellcheck source=wine-env.sh
  KOVA_ROOT=$ROOT . "$ROOT/scripts/wine-env.sh"
  if [ ! -e "$KOVA_BINFMT" ] && kova_i386_runs; then
    say "32-bit programs: run by the kernel"
    return
  fi
  local have
  have=$(dpkg-query -W -f='${db:Status-Status} ${Version}' qemu-user 2>/dev/null || true)
  if [ "${have%% *}" != installed ] || dpkg --compare-versions "${have#* }" lt "$QEMU_MIN"; then
    need_root "installing qemu-user"
    add_backports
    apt_update
    say "installing qemu-user from $QEMU_SUITE (this kernel runs no 32-bit programs)"
    apt-get "${APT_OPTS[@]}" install --no-install-recommends -t "$QEMU_SUITE" qemu-user \
      >>"$CACHE/logs/apt.log" 2>&1 ||
      { tail -n 30 "$CACHE/logs/apt.log" >&2; die "installing qemu-user failed (log: $CACHE/logs/apt.log)"; }
  fi
  kova_i386_register || die "cannot register $KOVA_QEMU_I386 for 32-bit programs in ${KOVA_BINFMT%/*}"
  say "32-bit programs: through $("$KOVA_QEMU_I386" --version | head -n 1)"
}

# --- cache key -------------------------------------------------------------

deps_key() {
  {
    echo "recipe $RECIPE"
    echo "$PNG_SRC $PNG_PIN"
    echo "$JPEG_SRC $JPEG_PIN"
    echo "$FFI_SRC $FFI_PIN"
    dpkg-query -W -f='${Package} ${Version}\n' "${KEY_PACKAGES[@]}"
  } | sha256sum | cut -c1-12
}

# --- logged steps ----------------------------------------------------------

# step NAME CMD...: runs CMD with its output in $LOGS/NAME.log, prints the
# time taken, and on failure shows the end of the log and stops.
# CMD runs in a background subshell so that `set -e` stays in force inside it,
# and in the scratch folder so that nothing can land in the work tree. With
# job control on, the subshell has its own process group, which on_signal
# stops as a whole (make and the compilers included).
STEP_PID=
step() {
  local name=$1; shift
  local log="$LOGS/${name// /-}.log" start=$SECONDS rc=0
  ( cd "$SCRATCH"; "$@" ) >"$log" 2>&1 &
  STEP_PID=$!
  wait "$STEP_PID" || rc=$?
  STEP_PID=
  if [ "$rc" != 0 ]; then
    echo "setup: FAILED: $name (exit $rc), last lines of $log:" >&2
    tail -n 40 "$log" | sed 's/^/  | /' >&2
    exit 1
  fi
  say "$name done ($((SECONDS - start))s)"
}

on_signal() {
  if [ -n "$STEP_PID" ]; then
    kill -TERM -- "-$STEP_PID" 2>/dev/null || true
  fi
  echo "setup: interrupted; the next run starts the unfinished work again" >&2
  exit 130
}

# --- sources ---------------------------------------------------------------

have_deb_src() {
  grep -sqE '^[[:space:]]*(Types:.*[[:space:]]deb-src([[:space:]]|$)|deb-src[[:space:]])' \
    /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources
}

add_deb_src() {
  local d=/etc/apt/sources.list.d
  if [ -f "$d/debian.sources" ]; then
    sed -E 's/^Types:.*/Types: deb-src/' "$d/debian.sources" >"$d/debian-src.sources"
    say "added $d/debian-src.sources"
  elif grep -sqE '^deb[[:space:]]' /etc/apt/sources.list; then
    sed -nE 's/^deb([[:space:]])/deb-src\1/p' /etc/apt/sources.list >"$d/debian-src.list"
    say "added $d/debian-src.list"
  else
    die "no Debian apt sources found to mirror as deb-src"
  fi
}

# Prints the versions of source package $1 that apt knows.
source_versions() {
  apt-cache showsrc --only-source "$1" 2>/dev/null | sed -n 's/^Version: //p'
}

# Makes sure apt can fetch the pinned source packages.
prepare_sources() {
  local pair pkg pin stale=0
  for pair in "$PNG_SRC=$PNG_PIN" "$JPEG_SRC=$JPEG_PIN" "$FFI_SRC=$FFI_PIN"; do
    pkg=${pair%%=*} pin=${pair#*=}
    source_versions "$pkg" | grep -qxF "$pin" || stale=1
  done
  [ "$stale" = 1 ] || return 0
  need_root "fetching source packages"
  have_deb_src || add_deb_src
  APT_UPDATED=0
  apt_update
}

# fetch_source PKG PIN: downloads and unpacks PKG into $SCRATCH/src/PKG.
# The pinned version comes first; if the archive dropped it, the newest
# other Debian revision of the same upstream version is used instead.
fetch_source() {
  local pkg=$1 pin=$2 v dsc
  local upstream=${pin#*:}; upstream=${upstream%-*}
  local candidates
  candidates=$({ echo "$pin"; source_versions "$pkg" |
    awk -v u="$upstream" '{ w=$0; sub(/^[0-9]+:/, "", w); sub(/-[^-]*$/, "", w); if (w == u) print }' |
    sort -Vr; } | awk '!seen[$0]++')
  mkdir -p "$SCRATCH/dl/$pkg" "$SCRATCH/src"
  for v in $candidates; do
    rm -f "$SCRATCH/dl/$pkg"/*
    if (cd "$SCRATCH/dl/$pkg" && apt-get "${APT_OPTS[@]}" source --download-only "$pkg=$v"); then
      [ "$v" = "$pin" ] || echo "warning: $pkg $pin is gone from the archive, using $v" >&2
      dsc=$(ls "$SCRATCH/dl/$pkg"/*.dsc)
      rm -rf "$SCRATCH/src/$pkg"
      dpkg-source --no-check -x "$dsc" "$SCRATCH/src/$pkg"
      grep -sqxF "$pkg $v" "$DEPS/versions.txt" || echo "$pkg $v" >>"$DEPS/versions.txt"
      return 0
    fi
  done
  echo "no downloadable version of $pkg (tried: $candidates)" >&2
  return 1
}

# --- library builds --------------------------------------------------------

toolchain() { echo "$ROOT/cmake/toolchain-$1.cmake"; }
triple() { echo "$1-w64-mingw32"; }

cmake_cross() {
  local arch=$1; shift
  cmake -DCMAKE_TOOLCHAIN_FILE="$(toolchain "$arch")" \
    -DKOVA_DEPS_PREFIX="$DEPS/$arch" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
    -DCMAKE_INSTALL_PREFIX="$DEPS/$arch" \
    "$@"
}

# Each function and object in a section of its own: kova.exe links with --gc-sections,
# which then leaves out what the program never calls (most of libpng's API, say).
# i686 code unwinds through DWARF tables, one per object, which the linker keeps whole
# with every function they describe; libpng and libjpeg-turbo get none there. They need
# none: their errors longjmp, which on i686 reads no tables, and no C++ exception passes
# through them. (On x86_64 the unwind tables stay: longjmp itself unwinds by them.)
section_flags() {
  echo "-ffunction-sections -fdata-sections"
  [ "$1" != i686 ] || echo "-fno-asynchronous-unwind-tables -fno-unwind-tables"
}

# configure_cross ARCH ARGS...: autotools configure for ARCH into $DEPS/ARCH.
configure_cross() {
  local arch=$1; shift
  local t; t=$(triple "$arch")
  ./configure --host="$t" --prefix="$DEPS/$arch" \
    CC="$t-gcc-posix" CXX="$t-g++-posix" AR="$t-ar" RANLIB="$t-ranlib" \
    STRIP="$t-strip" CFLAGS="-O2 $(section_flags "$arch" | paste -sd' ')" "$@"
}

build_libpng() {
  local arch=$1 dir="$SCRATCH/build/libpng-$1"
  rm -rf "$dir"; cp -a "$SCRATCH/src/$PNG_SRC" "$dir"; cd "$dir"
  configure_cross "$arch" --disable-shared --enable-static --enable-intel-sse
  make -j"$JOBS"
  make install
}

# Size, at no cost in speed for what kova.exe does: on x86 the SIMD Huffman encoder,
# which keeps its own bit-count table, does the baseline encoding kova.exe asks for. So
# the C encoders count bits with the processor's instruction instead of a 64 KB table
# each (the library's choice on Arm), and the C baseline one is compiled for size
# (cmake/libjpeg-size.cmake). kova.exe writes no arithmetic-coded files; it still reads
# them.
build_libjpeg() {
  local arch=$1 dir="$SCRATCH/build/libjpeg-$1"
  rm -rf "$dir"
  cmake_cross "$arch" -S "$SCRATCH/src/$JPEG_SRC" -B "$dir" \
    -DCMAKE_C_FLAGS="$(section_flags "$arch" | paste -sd' ') -DUSE_CLZ_INTRINSIC" \
    -DCMAKE_PROJECT_INCLUDE="$ROOT/cmake/libjpeg-size.cmake" -DWITH_ARITH_ENC=OFF \
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DREQUIRE_SIMD=ON \
    -DWITH_JPEG8=OFF -DWITH_TURBOJPEG=ON
  cmake --build "$dir" -j"$JOBS"
  cmake --install "$dir"
}

build_libffi() {
  local arch=$1 dir="$SCRATCH/build/libffi-$1"
  rm -rf "$dir"; cp -a "$SCRATCH/src/$FFI_SRC" "$dir"; cd "$dir"
  # Its unwind tables stay: a native function called through it may call back into
  # the program, whose C++ code unwinds across the call.
  configure_cross "$arch" --disable-shared --enable-static --disable-docs \
    --disable-multi-os-directory CFLAGS="-O2 $(section_flags x86_64 | paste -sd' ')"
  make -j"$JOBS"
  make install
}

# GoogleTest uses std::mutex, which only the posix thread model provides.
# Its pthread option stays off: the library then uses Win32 primitives, the
# same choice its headers make in a program that does not define
# GTEST_HAS_PTHREAD, so both sides agree on the layout of gtest's types.
build_gtest() {
  local arch=$1 dir="$SCRATCH/build/gtest-$1"
  rm -rf "$dir"
  cmake_cross "$arch" -S /usr/src/googletest -B "$dir" \
    -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=ON
  cmake --build "$dir" -j"$JOBS"
  cmake --install "$dir"
}

# Drops the tools, manuals and libtool archives (which hold absolute paths)
# that the builds install next to the libraries.
trim_prefix() {
  local p="$DEPS/$1"
  rm -rf "${p:?}/bin" "$p/share/man" "$p/share/doc" "$p/share/info"
  rm -f "$p"/lib/*.la
  rmdir "$p/share" 2>/dev/null || true
}

check_prefix() {
  local p="$DEPS/$1" f
  for f in lib/libpng16.a lib/libjpeg.a lib/libturbojpeg.a lib/libffi.a \
           lib/libgtest.a lib/libgtest_main.a lib/libgmock.a lib/libgmock_main.a \
           include/png.h include/jpeglib.h include/turbojpeg.h include/ffi.h \
           include/ffitarget.h include/gtest/gtest.h include/gmock/gmock.h; do
    [ -f "$p/$f" ] || { echo "missing $p/$f"; return 1; }
  done
}

build_deps() {
  need_root "building the libraries"
  set -m
  trap on_signal INT TERM HUP
  prepare_sources
  rm -rf "$DEPS" "$CACHE/scratch"
  mkdir -p "$DEPS" "$LOGS" "$SCRATCH/build"
  step "fetch $PNG_SRC" fetch_source "$PNG_SRC" "$PNG_PIN"
  step "fetch $JPEG_SRC" fetch_source "$JPEG_SRC" "$JPEG_PIN"
  step "fetch $FFI_SRC" fetch_source "$FFI_SRC" "$FFI_PIN"
  step "test data" copy_testdata
  say "sources: $(paste -sd, "$DEPS/versions.txt" | sed 's/,/, /g')"
  local pin
  for pin in "$PNG_SRC $PNG_PIN" "$JPEG_SRC $JPEG_PIN" "$FFI_SRC $FFI_PIN"; do
    grep -qxF "$pin" "$DEPS/versions.txt" ||
      say "warning: ${pin/ /=} is no longer in the archive; update the pin"
  done
  local arch
  for arch in "${ARCHES[@]}"; do
    mkdir -p "$DEPS/$arch"
    # libjpeg-turbo and GoogleTest are configured with the project's
    # toolchain files and cmake/libjpeg-size.cmake, the only parts of the repo
    # the libraries depend on: bump RECIPE when they change.
    step "libpng $arch" build_libpng "$arch"
    step "libjpeg-turbo $arch" build_libjpeg "$arch"
    step "libffi $arch" build_libffi "$arch"
    step "googletest $arch" build_gtest "$arch"
    trim_prefix "$arch"
    step "check $arch" check_prefix "$arch"
  done
  rm -rf "$CACHE/scratch"
  trap - INT TERM HUP
  set +m
  # Written last: a folder without it is an unfinished build.
  date -u +%FT%TZ >"$DEPS/.complete"
}

# --- test data and licence texts -------------------------------------------

have_testdata() {
  local entry
  for entry in "${TESTDATA[@]}"; do
    [ -d "$DEPS/testdata/${entry%% *}" ] || return 1
  done
  for entry in "${LICENSES[@]}"; do
    [ -f "$DEPS/licenses/${entry%% *}" ] || return 1
  done
}

# Copies the test files and the licence texts out of the unpacked sources into
# $DEPS/testdata and $DEPS/licenses, each of which appears whole or not at all.
copy_testdata() {
  local d="$DEPS/testdata" l="$DEPS/licenses" entry
  rm -rf "$d" "$d.part" "$l" "$l.part"
  mkdir -p "$d.part" "$l.part"
  for entry in "${TESTDATA[@]}"; do
    cp -a "$SCRATCH/src/${entry#* }" "$d.part/${entry%% *}"
  done
  for entry in "${LICENSES[@]}"; do
    cp "$SCRATCH/src/${entry#* }" "$l.part/${entry%% *}"
  done
  mv "$d.part" "$d"
  mv "$l.part" "$l"
}

# Caches built before the test data or the licence texts were kept get them without
# rebuilding anything: the source packages are fetched again for them alone.
add_testdata() {
  need_root "fetching the test data"
  set -m
  trap on_signal INT TERM HUP
  prepare_sources
  rm -rf "$CACHE/scratch"
  mkdir -p "$LOGS" "$SCRATCH"
  step "fetch $PNG_SRC" fetch_source "$PNG_SRC" "$PNG_PIN"
  step "fetch $JPEG_SRC" fetch_source "$JPEG_SRC" "$JPEG_PIN"
  step "fetch $FFI_SRC" fetch_source "$FFI_SRC" "$FFI_PIN"
  step "test data" copy_testdata
  rm -rf "$CACHE/scratch"
  trap - INT TERM HUP
  set +m
}

# --- main ------------------------------------------------------------------

# Tests run Wine under ja_JP.UTF-8 to get code page 932. Without the locale, Wine
# still picks the code page, but reads command-line words as 7-bit text and bash
# warns on every start.
install_locale() {
  if locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    return
  fi
  say "generating the ja_JP.UTF-8 locale"
  sed -i 's/^# *\(ja_JP\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP\.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' >>/etc/locale.gen
  locale-gen >"$CACHE/logs/locale.log" 2>&1 || { tail -n 20 "$CACHE/logs/locale.log"; die "locale-gen failed"; }
}

main() {
  local start=$SECONDS
  mkdir -p "$CACHE/logs" 2>/dev/null || die "cannot create $CACHE (set KOVA_CACHE or run as root)"
  install_packages
  install_wine32
  install_i386_exec
  install_locale

  local key; key=$(deps_key) || die "cannot read the toolchain package versions"
  DEPS="$CACHE/deps-$key"
  LOGS="$DEPS/logs"
  SCRATCH="$CACHE/scratch"

  if [ -f "$DEPS/.complete" ] && have_testdata; then
    say "libraries, test data and licence texts: $DEPS (cached)"
  else
    # One build per cache at a time; a second run waits and then finds it done.
    exec 9>"$CACHE/.lock"
    if ! flock -n 9; then
      say "waiting for another setup run to finish"
      flock 9
    fi
    if [ -f "$DEPS/.complete" ]; then
      say "libraries: $DEPS (cached)"
    else
      say "building libraries into $DEPS (logs: $LOGS)"
      build_deps
      say "libraries: $DEPS (built in $((SECONDS - start))s)"
    fi
    if have_testdata; then
      say "test data and licence texts: $DEPS (cached)"
    else
      say "fetching the test data and licence texts into $DEPS"
      add_testdata
      say "test data: $DEPS/testdata; licence texts: $DEPS/licenses"
    fi
    exec 9>&-
  fi

  mkdir -p "$ROOT/.cache"
  local link="$ROOT/.cache/deps"
  if [ -e "$link" ] && [ ! -L "$link" ]; then
    rm -rf "$link"
  fi
  ln -sfn "$DEPS" "$link"
  say "$link -> $DEPS"
  say "ready in $((SECONDS - start))s"
}

main "$@"
