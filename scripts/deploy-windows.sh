#!/usr/bin/env bash
# Gathers the Windows programs and everything they load into one folder, as Qt's
# windeployqt would (Debian has none): the DLLs they import, found by reading the imports
# of each file in turn; Qt's Windows platform and style plugins with theirs; Qt's Chinese
# texts; a qt.conf that tells Qt where these are.
#   scripts/deploy-windows.sh BUILD_DIR QT_PREFIX OUT_DIR
set -euo pipefail
build=$1
qt=$2
out=$3
triplet=x86_64-w64-mingw32

# Where imports may come from: Qt's cache, the compiler's runtime, the mingw libraries.
search=("$qt/bin" "$(dirname "$($triplet-g++-posix -print-libgcc-file-name)")" "/usr/$triplet/lib" "/usr/$triplet/bin")

rm -rf "$out"
mkdir -p "$out/platforms" "$out/styles" "$out/translations"
cp "$build/src/app/shrink4.exe" "$build/src/app/shrink4-cli.exe" "$out/"
cp "$qt/plugins/platforms/qwindows.dll" "$out/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$out/styles/"

find_dll() {
    local dir found
    for dir in "${search[@]}"; do
        found=$(find "$dir" -maxdepth 1 -iname "$1" -print -quit 2>/dev/null)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
    done
    return 1
}

# What is not found is Windows' own (KERNEL32.dll, USER32.dll, ...). Qt6Network.dll (the window's
# local socket) comes this way, and so does Qt6PrintSupport.dll; Qt 6 keeps its Windows printer
# support inside it, with no plugin to add.
queue=("$out"/*.exe "$out"/platforms/*.dll "$out"/styles/*.dll)
while ((${#queue[@]})); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r name; do
        [ -e "$out/$name" ] && continue
        if dll=$(find_dll "$name"); then
            cp "$dll" "$out/$name"
            queue+=("$out/$name")
        fi
    done < <($triplet-objdump -p "$file" | sed -n 's/^[[:space:]]*DLL Name: //p')
done

translations=/usr/share/qt6/translations
[ -f "$qt/translations/qtbase_zh_CN.qm" ] && translations=$qt/translations
cp "$translations/qtbase_zh_CN.qm" "$out/translations/"
# Qt looks for its plugins and texts relative to its own DLL unless told otherwise.
printf '[Paths]\r\nPrefix = .\r\nPlugins = .\r\nTranslations = translations\r\n' >"$out/qt.conf"

find "$out" \( -iname '*.dll' -o -iname '*.exe' \) -exec $triplet-strip --strip-unneeded {} +
echo "$out: $(find "$out" -type f | wc -l) files, $(du -sh "$out" | cut -f1)"
