; SPDX-License-Identifier: MIT
; The per-user installer of QX Geomancy for 64-bit Windows, made by scripts/windows:
;   makensis -DVERSION=... -DSIZE_KB=... -DFILES=install.nsh -DUNFILES=uninstall.nsh
;            -DICON=qxgeomancy.ico -DOUTFILE=...setup.exe installer.nsi
; No administrator rights: the program goes to %LOCALAPPDATA%\Programs\QX Geomancy, its
; Start-menu entries (QX Geomancy and QX Geomancy Chart) and its uninstaller's entry to the
; user's own. The pages are Modern UI's: the
; folder, the progress, and an end page that offers to start the program; the uninstaller asks,
; then shows its progress. /S installs and uninstalls silently. The uninstaller removes exactly
; the files the installer put down; the program's one setting (HKCU\Software\QXFreeGeomancy)
; stays, as the user's.

Unicode true
; A 64-bit stub: the 32-bit one needs a Windows with 32-bit support.
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!define PRODUCT "QX Geomancy"
!define CHART "QX Geomancy Chart"
!define PUBLISHER "The QX Geomancy developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QXGeomancy"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1033 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 ${PUBLISHER}, MIT License"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

!include "MUI2.nsh"
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
; Debian's NSIS lacks the usual side picture of the end page; NSIS's own stands in.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${NSISDIR}\Contrib\Graphics\Wizard\nsis3-metro.bmp"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\QXFreeGeomancy.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; A running program holds its executable: it cannot be replaced or removed until it ends. (The
; jumps count instructions, as a macro inserted twice in one function cannot carry labels.)
!macro REFUSE_IF_RUNNING un program name
  IfFileExists "$INSTDIR\${program}" 0 +8
  ClearErrors
  FileOpen $0 "$INSTDIR\${program}" a
  IfErrors 0 +4
  MessageBox MB_OK|MB_ICONSTOP "${name} is running. Close it, then try again." /SD IDOK
  SetErrorLevel 2
  Quit
  FileClose $0
!macroend
!macro REFUSE_WHILE_RUNNING un
Function ${un}refuseWhileRunning
  !insertmacro REFUSE_IF_RUNNING "${un}" "QXFreeGeomancy.exe" "${PRODUCT}"
  !insertmacro REFUSE_IF_RUNNING "${un}" "qxgeomancy-chart.exe" "${CHART}"
FunctionEnd
!macroend
!insertmacro REFUSE_WHILE_RUNNING ""
!insertmacro REFUSE_WHILE_RUNNING "un."

Section "Install"
  SetShellVarContext current
  Call refuseWhileRunning
  SetOutPath "$INSTDIR"
  SetOverwrite on
  !include "${FILES}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\QXFreeGeomancy.exe" "" \
    "$INSTDIR\QXFreeGeomancy.exe" 0
  CreateShortCut "$SMPROGRAMS\${CHART}.lnk" "$INSTDIR\qxgeomancy-chart.exe" "" \
    "$INSTDIR\qxgeomancy-chart.exe" 0
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\QXFreeGeomancy.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Call un.refuseWhileRunning
  !include "${UNFILES}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${CHART}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
