; The Windows installer of Torvane (makensis, from tools/make-windows-installer.sh).
; Defined on the command line: VERSION, PROGRAM (the folder of the program's
; files), ICON, OUTFILE.
; It lays the program into Program Files (64-bit), a Start menu entry and an
; entry in the installed-programs list; its uninstaller removes exactly those
; and never the user's data, which the program keeps in
; %LOCALAPPDATA%\Torvane. /S installs and uninstalls silently.
; A 64-bit installer, as the program is: Windows itself refuses both on a
; 32-bit system, and the 64-bit Wine runs it.
Target amd64-unicode
!include "MUI2.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Torvane"
; The uninstaller's name is also the program's sign that it is an installed
; copy (settings/ProgramDir.cpp).
!define UNINSTALLER "uninstall.exe"

Name "Torvane"
BrandingText "Torvane ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Torvane"
RequestExecutionLevel admin
; bzip2 rather than lzma: a fifth larger, made in a fifth of the time on every build.
SetCompressor /SOLID bzip2
VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1041 "ProductName" "Torvane"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "CompanyName" "Torvane developers"
VIAddVersionKey /LANG=1041 "FileDescription" "Torvane ${VERSION} セットアップ"
VIAddVersionKey /LANG=1041 "LegalCopyright" "2026 Torvane developers"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\torvane.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

Section
  SetOutPath "$INSTDIR"
  File "${PROGRAM}\torvane.exe"
  File "${PROGRAM}\torvane-cli.exe"
  File "${PROGRAM}\torvane-jvlink.exe"
  File "${PROGRAM}\torvane.html"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  SetShellVarContext all
  CreateShortCut "$SMPROGRAMS\Torvane.lnk" "$INSTDIR\torvane.exe" "" "$INSTDIR\torvane.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Torvane"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Torvane developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\torvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  SectionGetSize 0 $0
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; Each file by name, and the folder only when it is empty then: whatever
; else is in it (a store kept beside an older copy, the user's own files)
; stays.
Section "Uninstall"
  Delete "$INSTDIR\torvane.exe"
  Delete "$INSTDIR\torvane-cli.exe"
  Delete "$INSTDIR\torvane-jvlink.exe"
  Delete "$INSTDIR\torvane.html"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\Torvane.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
