; Installer of the Penmar writing suite.
; Made by make-installer.sh: makensis -DARCH=x86|amd64 -DBIN_DIR=... -DDATA_DIR=... -DVERSION_HEADER=...
;   -DWORD_LISTS=... -DRESOURCE_DIR=... -DLICENCE_PAGE=... -DOUT_FILE=... penmar-setup.nsi
; The programs live in C:\ZOLT\ (the editor starts the lookup tool from there) and the word lists in
; C:\ZOLT\SPELL\. Local.txt holds the user's own words: it is created empty once and never replaced.

!ifndef ARCH
  !define ARCH x86
!endif
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!else
  Unicode true
!endif

!include "MUI2.nsh"
!include "${WORD_LISTS}"

!define PRODUCT "Penmar"
; The version of the build, from its generated header.
!searchparse /file "${VERSION_HEADER}" '#define PENMAR_VERSION_TEXT "' VERSION '"'
!searchparse /file "${VERSION_HEADER}" '#define PENMAR_VERSION_QUAD "' VERSION_QUAD '"'
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Penmar"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "C:\ZOLT"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${PRODUCT} ${VERSION}"
Icon "${RESOURCE_DIR}\penmar.ico"
UninstallIcon "${RESOURCE_DIR}\penmar.ico"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "CompanyName" "${PRODUCT}"
VIAddVersionKey "LegalCopyright" "See the licence texts installed with the word lists"

!define MUI_ICON "${RESOURCE_DIR}\penmar.ico"
!define MUI_UNICON "${RESOURCE_DIR}\penmar.ico"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${LICENCE_PAGE}"
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Penmar" SecMain
  SectionIn RO
  SetShellVarContext all

  SetOutPath "$INSTDIR"
  File "${BIN_DIR}\Penmar.exe"
  File "${BIN_DIR}\lexmar.exe"

  SetOutPath "$INSTDIR\SPELL"
  !insertmacro InstallShippedLists
  ; The user's own words: only when there is no list yet, also on an upgrade.
  IfFileExists "$INSTDIR\SPELL\${USER_WORD_LIST}" +2 0
    File "${DATA_DIR}\${USER_WORD_LIST}"

  SetOutPath "$INSTDIR\Licenses"
  File "${DATA_DIR}\licenses\*.txt"

  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\Penmar"
  CreateShortcut "$SMPROGRAMS\Penmar\Penmar.lnk" "$INSTDIR\Penmar.exe"
  CreateShortcut "$SMPROGRAMS\Penmar\lexmar.lnk" "$INSTDIR\lexmar.exe"
  CreateShortcut "$SMPROGRAMS\Penmar\Uninstall Penmar.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Penmar.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$INSTDIR\Penmar.exe"
  Delete "$INSTDIR\lexmar.exe"
  !insertmacro RemoveShippedLists
  ; The user's list stays: it holds the words the user added.
  RMDir "$INSTDIR\SPELL"
  Delete "$INSTDIR\Licenses\*.txt"
  RMDir "$INSTDIR\Licenses"
  Delete "$SMPROGRAMS\Penmar\Penmar.lnk"
  Delete "$SMPROGRAMS\Penmar\lexmar.lnk"
  Delete "$SMPROGRAMS\Penmar\Uninstall Penmar.lnk"
  RMDir "$SMPROGRAMS\Penmar"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
SectionEnd
