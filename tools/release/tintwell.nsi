; The Windows installer: makensis -DSTAGE=<stage dir> -DROOT=<repository> -DOUTFILE=<exe> tintwell.nsi
; (tools/release.sh lays out STAGE and runs this). Programs go to Program Files\Tintwell;
; each chosen edition's pages and song go to Documents\Tintwell\<edition>, where the
; child's colouring is kept; a Start-menu shortcut per edition starts it there.
; /S installs every edition silently; the uninstaller's /S /REMOVEPAGES also removes the pages.
Unicode true
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"

Name "Tintwell"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Tintwell"
InstallDirRegKey HKLM "Software\Tintwell" "InstallDir"
RequestExecutionLevel admin
BrandingText "Tintwell"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwell"
!define MUI_ICON "${ROOT}\editions\1\art\TWLIcon.ico"
!define MUI_UNICON "${ROOT}\editions\1\art\TWLIcon.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_NOAUTOCLOSE

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ; Pages and shortcuts belong to the user who installs.
  SetShellVarContext current
FunctionEnd

Section "-Common"
  SetOutPath "$INSTDIR"
  File "${STAGE}\programs\tintwell-pictures.exe"
  File "${STAGE}\programs\README.txt"
  File "${STAGE}\programs\CREDITS.txt"
  File "${STAGE}\programs\LICENCES.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$DOCUMENTS\Tintwell"
  CreateDirectory "$SMPROGRAMS\Tintwell"
  ; "Save the pictures" starts in Documents\Tintwell and saves from every edition's folder.
  SetOutPath "$DOCUMENTS\Tintwell"
  CreateShortCut "$SMPROGRAMS\Tintwell\Save the pictures.lnk" "$INSTDIR\tintwell-pictures.exe"
  CreateShortCut "$SMPROGRAMS\Tintwell\Read me.lnk" "$INSTDIR\README.txt"
  WriteRegStr HKLM "Software\Tintwell" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tintwell"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tintwell.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tintwell"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

!include "${STAGE}\editions.nsh"

Section "un.Tintwell programs and shortcuts"
  SectionIn RO
  !insertmacro RemoveEditions
  Delete "$INSTDIR\tintwell-pictures.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\CREDITS.txt"
  Delete "$INSTDIR\LICENCES.txt"
  Delete "$SMPROGRAMS\Tintwell\Save the pictures.lnk"
  Delete "$SMPROGRAMS\Tintwell\Read me.lnk"
  RMDir "$SMPROGRAMS\Tintwell"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Tintwell"
SectionEnd

; Unticked unless the parent ticks it, so a plain (or silent) uninstall keeps the colouring.
Section /o "un.Also remove the coloured pages" SecRemovePages
  !insertmacro RemovePages
  ; Documents\Tintwell goes only when nothing is left in it (saved pictures stay).
  RMDir "$DOCUMENTS\Tintwell"
SectionEnd

Function un.onInit
  SetShellVarContext current
  ; /REMOVEPAGES ticks "Also remove the coloured pages" (for a silent uninstall: /S /REMOVEPAGES).
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/REMOVEPAGES" $R1
  IfErrors +2
  SectionSetFlags ${SecRemovePages} ${SF_SELECTED}
FunctionEnd

; The program folder goes last, after every ticked part, so it being gone means the uninstall is done.
Function un.onUninstSuccess
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
FunctionEnd
