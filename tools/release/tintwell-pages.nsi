; tintwell-pages.exe, the all-users install's Active Setup stub: copies the pristine pages
; and songs in the folder beside it (pages\<edition>\) into the signed-in account's own
; Documents\Tintwell\<edition>. A page already there holds a child's colouring and is never
; replaced; a song is, so a newer version's music arrives.
; makensis -DOUTFILE=<exe> -DROOT=<repository> tintwell-pages.nsi (tools/release.sh runs it;
; -DTARGET as for tintwell.nsi).
!ifdef TARGET
Target ${TARGET}
!else
Unicode true
!endif
!include "LogicLib.nsh"

Name "Tintwell"
OutFile "${OUTFILE}"
Icon "${ROOT}\editions\1\art\TWLIcon.ico"
RequestExecutionLevel user
SilentInstall silent

; $R0: the edition's folder name.
Function CopyEdition
  StrCpy $R1 "$EXEDIR\pages\$R0"
  StrCpy $R2 "$DOCUMENTS\Tintwell\$R0"
  CreateDirectory $R2
  FindFirst $R3 $R4 "$R1\*.*"
  ${DoWhile} $R4 != ""
    ${If} ${FileExists} "$R1\$R4"
    ${AndIfNot} ${FileExists} "$R1\$R4\*.*"
      StrCpy $R5 $R4 4 -4
      ${If} $R5 == ".mid"
      ${OrIfNot} ${FileExists} "$R2\$R4"
        CopyFiles /SILENT "$R1\$R4" "$R2\$R4"
      ${EndIf}
    ${EndIf}
    FindNext $R3 $R4
  ${Loop}
  FindClose $R3
FunctionEnd

Section
  SetShellVarContext current
  FindFirst $0 $R0 "$EXEDIR\pages\*.*"
  ${DoWhile} $R0 != ""
    ${If} $R0 != "."
    ${AndIf} $R0 != ".."
    ${AndIf} ${FileExists} "$EXEDIR\pages\$R0\*.*"
      Call CopyEdition
    ${EndIf}
    FindNext $0 $R0
  ${Loop}
  FindClose $0
SectionEnd
