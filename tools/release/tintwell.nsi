; The Windows installer: makensis -DSTAGE=<stage dir> -DROOT=<repository> -DOUTFILE=<exe> tintwell.nsi
; (tools/release.sh lays out STAGE and runs this).
; Just for the user who runs it (the default; no administrator needed): programs in
; %LOCALAPPDATA%\Programs\Tintwell, each chosen edition's pages and song in that user's
; Documents\Tintwell\<edition>, where the child's colouring is kept, Start-menu shortcuts
; and the uninstall entry for that user alone.
; For everyone on the computer (/ALLUSERS, or the first page's choice when run as an
; administrator): programs and pristine pages in Program Files\Tintwell, shortcuts for
; everyone, and an Active Setup entry whose stub (tintwell-pages.exe) copies the pages into
; each account's own Documents when that account next signs in.
; /S installs every edition silently; the uninstaller's /S /REMOVEPAGES also removes the
; pages of a just-for-me install. No uninstall ever removes a child's pages otherwise.
; -DTARGET=amd64-unicode makes a 64-bit installer of 64-bit programs, for testing the
; installer where 32-bit programs cannot run; the release is always 32-bit.
!ifdef TARGET
Target ${TARGET}
!else
Unicode true
!endif
SetCompressor /SOLID lzma
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "LogicLib.nsh"
!include "nsDialogs.nsh"

Name "Tintwell"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Tintwell"
; A child's standard account must be able to install for itself; an install for everyone
; asks for an administrator only when it is chosen.
RequestExecutionLevel user
BrandingText "Tintwell"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tintwell"
!define ACTIVE_SETUP_KEY "Software\Microsoft\Active Setup\Installed Components\Tintwell"
!define MUI_ICON "${ROOT}\editions\1\art\TWLIcon.ico"
!define MUI_UNICON "${ROOT}\editions\1\art\TWLIcon.ico"
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_NOAUTOCLOSE

Var AllUsers        ; 1: for everyone on this computer
Var PagesDir        ; where an edition's pages go: the user's Documents, or the pristine copy
Var JustMeButton
Var EveryoneButton

Page custom WhoPage WhoPageLeave
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Whether this process may write what an install for everyone writes.
!macro CanWriteForEveryone result
  ClearErrors
  WriteRegStr HKLM "Software\Tintwell" "Probe" "1"
  ${If} ${Errors}
    StrCpy ${result} 0
  ${Else}
    DeleteRegValue HKLM "Software\Tintwell" "Probe"
    StrCpy ${result} 1
  ${EndIf}
!macroend

; Without an administrator's rights, starts the program again asking for them (once:
; /ELEVATED marks the second start) and ends this one.
!macro NeedAdministrator program
  !insertmacro CanWriteForEveryone $0
  ${If} $0 == 0
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/ELEVATED" $2
    ${IfNot} ${Errors}
      MessageBox MB_ICONSTOP "Installing Tintwell for everyone on this computer needs an administrator." /SD IDOK
      SetErrorLevel 5
      Quit
    ${EndIf}
    ClearErrors
    ExecShellWait "runas" "${program}" "/ALLUSERS /ELEVATED $1"
    ${If} ${Errors}
      MessageBox MB_ICONSTOP "Installing Tintwell for everyone on this computer needs an administrator." /SD IDOK
      SetErrorLevel 5
    ${EndIf}
    Quit
  ${EndIf}
!macroend

Function SetMode
  ${If} $AllUsers == 1
    SetShellVarContext all
    StrCpy $INSTDIR "$PROGRAMFILES\Tintwell"
  ${Else}
    SetShellVarContext current
    StrCpy $INSTDIR "$LOCALAPPDATA\Programs\Tintwell"
  ${EndIf}
  ; A reinstall goes where the last install of the same kind went.
  ReadRegStr $0 SHCTX "Software\Tintwell" "InstallDir"
  ${If} $0 != ""
    StrCpy $INSTDIR $0
  ${EndIf}
FunctionEnd

Function .onInit
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${If} ${Errors}
    StrCpy $AllUsers 0
  ${Else}
    StrCpy $AllUsers 1
    !insertmacro NeedAdministrator "$EXEPATH"
  ${EndIf}
  Call SetMode
FunctionEnd

; The first page, only for an administrator: who the install is for.
Function WhoPage
  ${GetParameters} $R0
  ClearErrors
  ${GetOptions} $R0 "/ALLUSERS" $R1
  ${IfNot} ${Errors}
    Abort
  ${EndIf}
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "Admin"
    Abort
  ${EndIf}
  !insertmacro MUI_HEADER_TEXT "Who will colour with Tintwell?" "Install for this account, or for every account on this computer."
  nsDialogs::Create 1018
  Pop $0
  ${NSD_CreateRadioButton} 0 10u 100% 12u "Just for me (this account's Documents and Start menu)"
  Pop $JustMeButton
  ${NSD_CreateRadioButton} 0 30u 100% 12u "For everyone on this computer (each account gets its own pages)"
  Pop $EveryoneButton
  ${If} $AllUsers == 1
    ${NSD_Check} $EveryoneButton
  ${Else}
    ${NSD_Check} $JustMeButton
  ${EndIf}
  nsDialogs::Show
FunctionEnd

Function WhoPageLeave
  ${NSD_GetState} $EveryoneButton $0
  ${If} $0 == ${BST_CHECKED}
    StrCpy $AllUsers 1
  ${Else}
    StrCpy $AllUsers 0
  ${EndIf}
  Call SetMode
FunctionEnd

Section "-Common"
  SetOutPath "$INSTDIR"
  File "${STAGE}\programs\tintwell-pictures.exe"
  File "${STAGE}\programs\README.txt"
  File "${STAGE}\programs\CREDITS.txt"
  File "${STAGE}\programs\LICENCES.txt"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Tintwell"
  ${If} $AllUsers == 1
    ; The pristine pages are laid out afresh, so a newer version's pages reach new accounts.
    RMDir /r "$INSTDIR\pages"
    File "${STAGE}\programs\tintwell-pages.exe"
    SetOutPath "$INSTDIR"
  ${Else}
    CreateDirectory "$DOCUMENTS\Tintwell"
    ; "Save the pictures" starts in Documents\Tintwell and saves from every edition's folder.
    SetOutPath "$DOCUMENTS\Tintwell"
  ${EndIf}
  CreateShortCut "$SMPROGRAMS\Tintwell\Save the pictures.lnk" "$INSTDIR\tintwell-pictures.exe"
  CreateShortCut "$SMPROGRAMS\Tintwell\Read me.lnk" "$INSTDIR\README.txt"
  ; SHCTX is HKLM for everyone and HKCU just for this user.
  WriteRegStr SHCTX "Software\Tintwell" "InstallDir" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Tintwell"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tintwell-pictures.exe"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "Tintwell"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

!include "${STAGE}\editions.nsh"

Section "-Each account's pages"
  ${If} $AllUsers == 1
    ; Windows runs StubPath once for each account as it signs in (again when Version rises).
    WriteRegStr HKLM "${ACTIVE_SETUP_KEY}" "" "Tintwell pages"
    WriteRegStr HKLM "${ACTIVE_SETUP_KEY}" "StubPath" '"$INSTDIR\tintwell-pages.exe"'
    WriteRegStr HKLM "${ACTIVE_SETUP_KEY}" "Version" "${AS_VERSION}"
    WriteRegDWORD HKLM "${ACTIVE_SETUP_KEY}" "IsInstalled" 1
    ; The account installing now is already signed in: its pages are copied at once.
    ExecWait '"$INSTDIR\tintwell-pages.exe"'
  ${EndIf}
SectionEnd

Section "un.Tintwell programs and shortcuts"
  SectionIn RO
  !insertmacro RemoveEditions
  Delete "$INSTDIR\tintwell-pictures.exe"
  Delete "$INSTDIR\tintwell-pages.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\CREDITS.txt"
  Delete "$INSTDIR\LICENCES.txt"
  ; Only the pristine copies: every account's own pages stay.
  RMDir /r "$INSTDIR\pages"
  Delete "$SMPROGRAMS\Tintwell\Save the pictures.lnk"
  Delete "$SMPROGRAMS\Tintwell\Read me.lnk"
  RMDir "$SMPROGRAMS\Tintwell"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
  DeleteRegKey SHCTX "Software\Tintwell"
  ${If} $AllUsers == 1
    DeleteRegKey HKLM "${ACTIVE_SETUP_KEY}"
  ${EndIf}
SectionEnd

; Unticked unless the parent ticks it, so a plain (or silent) uninstall keeps the colouring.
; Only a just-for-me install offers it: other accounts' pages are theirs.
Section /o "un.Also remove the coloured pages" SecRemovePages
  !insertmacro RemovePages
  ; Documents\Tintwell goes only when nothing is left in it (saved pictures stay).
  RMDir "$DOCUMENTS\Tintwell"
SectionEnd

Function un.onInit
  ; An install for everyone is the one HKLM names as being in this folder.
  SetShellVarContext all
  ReadRegStr $0 HKLM "Software\Tintwell" "InstallDir"
  ${If} $0 != ""
  ${AndIf} $0 == $INSTDIR
    StrCpy $AllUsers 1
    ; The uninstaller runs from a copy of itself: the one to start again is the installed one.
    !insertmacro NeedAdministrator "$INSTDIR\uninstall.exe"
    SectionSetText ${SecRemovePages} ""
    Return
  ${EndIf}
  StrCpy $AllUsers 0
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
