; Installer of the Penmar writing suite.
; Made by make-installer.sh: makensis -DARCH=x86|amd64 -DZOLT_DIR=... -DVERSION_HEADER=... -DWORD_LISTS=...
;   -DRESOURCE_DIR=... -DLICENCE_PAGE=... -DOUT_FILE=... penmar-setup.nsi (ZOLT_DIR: the staged release)
; The programs live in C:\ZOLT\ (the editor starts the lookup tool from there) and the word lists in
; C:\ZOLT\SPELL\. Local.txt holds the user's own words: it is created empty once and never replaced.
; The word lists are American or British English: chosen on a page of their own, or silently with
; /LISTS=British; an install over an earlier one keeps its choice unless told otherwise.

!ifndef ARCH
  !define ARCH x86
!endif
!if "${ARCH}" == "amd64"
  Target amd64-unicode
!else
  Unicode true
!endif

!include "MUI2.nsh"
!include "nsDialogs.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
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
Page custom ListVariantPage ListVariantPageLeave
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The variant of the word lists to install: American or British.
Var ListVariant
Var AmericanButton
Var BritishButton

Function .onInit
  StrCpy $ListVariant "${DEFAULT_LIST_VARIANT}"
  ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "WordLists"
  ${If} $0 == "American"
  ${OrIf} $0 == "British"
    StrCpy $ListVariant $0
  ${EndIf}
  ${GetParameters} $1
  ClearErrors
  ${GetOptions} $1 "/LISTS=" $0
  ${IfNot} ${Errors}
    ${If} $0 == "American"
    ${OrIf} $0 == "British"
      StrCpy $ListVariant $0
    ${Else}
      MessageBox MB_ICONSTOP "Unknown word lists: $0. Use /LISTS=American or /LISTS=British." /SD IDOK
      Abort
    ${EndIf}
  ${EndIf}
FunctionEnd

Function ListVariantPage
  !insertmacro MUI_HEADER_TEXT "Word lists" "Choose the English of the spelling check."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateLabel} 0 0 100% 24u "The spelling check and the lookup tool know the words of one main word list. Which spelling do you write?"
  Pop $0
  ${NSD_CreateRadioButton} 10u 32u 90% 12u "American English (color, organize)"
  Pop $AmericanButton
  ${NSD_CreateRadioButton} 10u 48u 90% 12u "British English (colour, organise)"
  Pop $BritishButton
  ${If} $ListVariant == "British"
    ${NSD_Check} $BritishButton
  ${Else}
    ${NSD_Check} $AmericanButton
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function ListVariantPageLeave
  ${NSD_GetState} $BritishButton $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $ListVariant "British"
  ${Else}
    StrCpy $ListVariant "American"
  ${EndIf}
FunctionEnd

Section "Penmar" SecMain
  SectionIn RO
  SetShellVarContext all

  SetOutPath "$INSTDIR"
  File "${ZOLT_DIR}\Penmar.exe"
  File "${ZOLT_DIR}\lexmar.exe"

  SetOutPath "$INSTDIR\SPELL"
  !insertmacro InstallShippedLists
  ; The user's own words: an empty list only when there is none yet, also on an upgrade.
  ${IfNot} ${FileExists} "$INSTDIR\SPELL\${USER_WORD_LIST}"
    FileOpen $0 "$INSTDIR\SPELL\${USER_WORD_LIST}" w
    FileClose $0
  ${EndIf}

  SetOutPath "$INSTDIR\Licenses"
  File "${ZOLT_DIR}\Licenses\*.txt"

  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; The shortcuts start the programs in the install folder (the working folder is the output path).
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\Penmar"
  CreateShortcut "$SMPROGRAMS\Penmar\Penmar.lnk" "$INSTDIR\Penmar.exe"
  CreateShortcut "$SMPROGRAMS\Penmar\lexmar.lnk" "$INSTDIR\lexmar.exe"
  CreateShortcut "$SMPROGRAMS\Penmar\Uninstall Penmar.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT} ${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Penmar.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "WordLists" "$ListVariant"
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
