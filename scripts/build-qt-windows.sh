#!/usr/bin/env bash
# Builds Qt's base modules for 64-bit Windows once, from Debian's own qt6-base source, into a
# cache outside the checkout, and prints its prefix on the last line of standard output.
# Debian ships no Qt for mingw; its source cross-builds with the host's Qt as QT_HOST_PATH.
#   SHRINK4_WINDOWS_CACHE   cache folder (default ~/.cache/shrink4-windows)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
cache=${SHRINK4_WINDOWS_CACHE:-$HOME/.cache/shrink4-windows}
prefix=$cache/qt-6.4.2

# .complete means "usable": set after an install succeeds, and cleared only right before the
# next install, so a failed rebuild leaves the Qt that was there. A cache from before printing
# lacks Qt Print Support; its build tree is reconfigured and only what changed is compiled.
printing=$prefix/lib/cmake/Qt6PrintSupport/Qt6PrintSupportConfig.cmake
if [ -f "$prefix/.complete" ] && [ -f "$printing" ]; then
    echo "$prefix"
    exit 0
elif [ -f "$prefix/.complete" ]; then
    echo "Qt for Windows in $cache lacks Qt Print Support: adding it to the build there." >&2
else
    echo "Qt for Windows is not in $cache yet: building it first (about an hour on two cores)." >&2
fi
start=$(date +%s)
work=$cache/work
mkdir -p "$work"

# A private apt: its own sources with deb-src lines mirroring the machine's, its own lists
# and cache, so the system's apt configuration is left as it was.
apt_dir=$cache/apt
mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/archives/partial"
: >"$apt_dir/sources.list"
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$f" ] && sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$f" >>"$apt_dir/sources.list"
done
for f in /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && sed 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$(basename "$f")"
done
apt_options=(-o Dir::Etc::SourceList="$apt_dir/sources.list"
             -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
             -o Dir::State::Lists="$apt_dir/lists"
             -o Dir::Cache::Archives="$apt_dir/archives"
             -o Dir::Cache::pkgcache="" -o Dir::Cache::srcpkgcache=""
             -o APT::Sandbox::User="$(id -un)")
if ! ls "$work"/qtbase-everywhere-src-6.4.2/CMakeLists.txt >/dev/null 2>&1; then
    apt-get "${apt_options[@]}" update -qq
    (cd "$work" && apt-get "${apt_options[@]}" source -qq "qt6-base=$(dpkg-query -W -f='${Version}' qt6-base-dev)")
    src=$(ls -d "$work"/qt6-base-6.4.2*/ | head -n1)
    mv "$src" "$work/qtbase-everywhere-src-6.4.2"
fi
src=$work/qtbase-everywhere-src-6.4.2

# Debian strips the Wintab headers, so tablet events stay off; and with OpenGL off the
# Windows platform plugin must not ask for the software OpenGL switch it then lacks.
window_cpp=$src/src/plugins/platforms/windows/qwindowswindow.cpp
if ! grep -q 'QT_CONFIG(dynamicgl) && QT_CONFIG(opengl)' "$window_cpp"; then
    sed -i '/isSoftwareGl()$/,/^}/ s/#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' "$window_cpp"
fi

# The toolchain is kept beside the build tree, which names it: the checkout that first built the
# cache may be gone by the time a later one rebuilds it. A tree made before then is pointed here.
build=$work/build
toolchain=$cache/mingw-w64.cmake
cmp -s "$here/cmake/mingw-w64.cmake" "$toolchain" || cp "$here/cmake/mingw-w64.cmake" "$toolchain"
for system in "$build"/CMakeFiles/*/CMakeSystem.cmake; do
    if [ -f "$system" ]; then
        sed -i "s|^include(\".*/mingw-w64.cmake\")\$|include(\"$toolchain\")|" "$system"
    fi
done
nice -n 19 cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_tabletevent=OFF \
    -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=ON -DFEATURE_xml=OFF \
    -DFEATURE_vulkan=OFF -DFEATURE_openssl=OFF -DFEATURE_schannel=OFF -DFEATURE_ssl=OFF \
    -DFEATURE_sql=OFF -DFEATURE_testlib=ON -DFEATURE_system_zlib=ON \
    -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >"$work/configure.log"
nice -n 19 cmake --build "$build" -j"${SHRINK4_JOBS:-2}"
rm -f "$prefix/.complete"
cmake --install "$build" >/dev/null
[ -f "$printing" ] || { echo "The Qt installed in $prefix has no Qt Print Support." >&2; exit 1; }
echo "Built in $(( ($(date +%s) - start) / 60 )) minutes." >&2
touch "$prefix/.complete"
echo "$prefix"
