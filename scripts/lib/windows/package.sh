# SPDX-License-Identifier: MIT
# The Windows package: the files CMake's install step puts in $QXG_WINDOWS_BUILD/stage, the zip of
# them, and the installer, which names each of them so that its uninstaller removes those alone.

# qxg_windows_package_fact NAME: a value CMake wrote for this build into package.env.
qxg_windows_package_fact() {
  local name value
  while IFS='=' read -r name value; do
    [ "$name" = "$1" ] && { printf '%s\n' "$value"; return 0; }
  done <"$QXG_WINDOWS_BUILD/package.env"
  echo "package.env has no $1" >&2
  return 1
}

# Text between double quotes in NSIS: $\" for a quotation mark, and in the installer's own
# strings $$ for a dollar sign (the paths of the files it takes in keep theirs).
qxg_nsis_quotes() {
  printf '%s' "${1//\"/\$\\\"}"
}
qxg_nsis_text() {
  qxg_nsis_quotes "${1//\$/\$\$}"
}

# A path under the installation folder, as NSIS reads it between double quotes.
qxg_nsis_installed() {
  printf '$INSTDIR\\%s' "$(qxg_nsis_text "${1//\//\\}")"
}

# qxg_windows_installer_lists STAGE MANIFEST INTO: INTO/install.nsh and INTO/uninstall.nsh, the
# installer's and the uninstaller's lines for the files of CMake's install manifest, which were
# installed with STAGE as the prefix: the folders made and the files put down, then the files
# deleted and the folders removed, deepest first.
qxg_windows_installer_lists() {
  local stage=$1 manifest=$2 into=$3 file folder i
  local -a files=()
  local -A folders=()
  while IFS= read -r file || [ -n "$file" ]; do  # CMake ends the last line without a newline
    file=${file//\/.\//\/}  # a rule whose destination is "."
    [ "${file#"$stage"/}" != "$file" ] || { echo "not installed in $stage: $file" >&2; return 1; }
    file=${file#"$stage"/}
    files+=("$file")
    folder=$file
    while [ "${folder%/*}" != "$folder" ]; do
      folder=${folder%/*}
      folders[$folder]=1
    done
  done <"$manifest"
  [ "${#files[@]}" -gt 0 ] || { echo "$manifest lists no file" >&2; return 1; }
  mapfile -t files < <(printf '%s\n' "${files[@]}" | LC_ALL=C sort)
  local -a made=()
  [ "${#folders[@]}" -eq 0 ] || mapfile -t made < <(printf '%s\n' "${!folders[@]}" | LC_ALL=C sort)
  {
    for folder in "${made[@]}"; do
      echo "CreateDirectory \"$(qxg_nsis_installed "$folder")\""
    done
    for file in "${files[@]}"; do
      echo "File \"/oname=$(qxg_nsis_text "${file//\//\\}")\" \"$(qxg_nsis_quotes "$stage/$file")\""
    done
  } >"$into/install.nsh"
  {
    for file in "${files[@]}"; do
      echo "Delete \"$(qxg_nsis_installed "$file")\""
    done
    for ((i = ${#made[@]} - 1; i >= 0; i--)); do
      echo "RMDir \"$(qxg_nsis_installed "${made[i]}")\""
    done
  } >"$into/uninstall.nsh"
}

qxg_windows_package() {
  local stage=$QXG_WINDOWS_BUILD/stage version
  version=$(qxg_windows_package_fact QXG_VERSION)
  rm -rf "$stage"
  cmake --install "$QXG_WINDOWS_BUILD" --prefix "$stage" --strip >/dev/null

  local zip="$QXG_WINDOWS_BUILD/QXGeomancy-$version-windows-x64.zip"
  rm -rf "$QXG_WINDOWS_BUILD/zip" "$zip"
  mkdir -p "$QXG_WINDOWS_BUILD/zip"
  cp -r "$stage" "$QXG_WINDOWS_BUILD/zip/QX Geomancy"
  (cd "$QXG_WINDOWS_BUILD/zip" && zip -q -r -X "$zip" "QX Geomancy")

  local setup="$QXG_WINDOWS_BUILD/QXGeomancy-$version-setup.exe" size
  qxg_windows_installer_lists "$stage" "$QXG_WINDOWS_BUILD/install_manifest.txt" "$QXG_TMP"
  size=$(du -s -k "$stage" | cut -f1)
  makensis -V2 -WX -DVERSION="$version" -DSIZE_KB="$size" -DFILES="$QXG_TMP/install.nsh" \
    -DUNFILES="$QXG_TMP/uninstall.nsh" -DICON="$QXG_TOP/assets/icons/qxgeomancy.ico" \
    -DOUTFILE="$setup" packaging/windows/installer.nsi
  ls -l "$setup" "$zip"
}
