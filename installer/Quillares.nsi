; The Quillares installer: a per-user install that needs no administrator rights, since the
; add-on keeps its settings and its log in its own folder.
;
; Made by installer/make-installer, which defines VERSION, PROGRAM (the program folder to
; pack), LISTS (the generated lists of program files), ICON and OUTFILE.
;
; Command line: /S silent; /RUN start the add-on when done; /AUTOSTART or /NOAUTOSTART turn
; "start with Windows" on or off (otherwise an upgrade keeps the current choice);
; /D=folder last, unquoted.

; The Wine here runs 64-bit programs only, and Windows runs these everywhere it matters.
Target amd64-unicode
; The name must end in "-setup.exe"; the manifest's asInvoker level keeps Windows from treating
; it as an installer that needs elevation.
!pragma warning disable 9000

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"
!include "Sections.nsh"
!include "TextFunc.nsh"
!include "WordFunc.nsh"

!define PRODUCT "Quillares"
!define PUBLISHER "The Quillares developers"
!define EXE "Quillares.exe"
!define UNINSTALLER "Uninstall.exe"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
; The add-on holds this mutex while it runs; it is gone once the process has ended.
!define INSTANCE_MUTEX "Quillares.SingleInstance"
!define UNLOAD_MESSAGE "QuillaresUnload"
!define QUIT_WAIT_MS 15000
; When the broadcast has not ended it by then, the marker file in its folder is tried too.
!define MARKER_AFTER_MS 2000
!define POLL_MS 250

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
RequestExecutionLevel user
SetCompressor /SOLID lzma
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT} now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartAddon

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"

Var StartWhenDone

; ---------------------------------------------------------------------------------------------
; Quitting a running add-on, shared by the installer and the uninstaller (NSIS wants the
; uninstaller's functions under names of their own, hence the macro).

!macro QuitFunctions un
; Pushes 1 while an add-on runs in this session, else 0.
Function ${un}AddonRunning
  Push $0
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "${INSTANCE_MUTEX}") p .r0'
  ${If} $0 P<> 0
    ; Our handle alone would keep the mutex alive.
    System::Call 'kernel32::CloseHandle(p r0)'
    StrCpy $0 1
  ${EndIf}
  Exch $0
FunctionEnd

; Asks a running add-on to quit and waits for it, bounded. Pushes 1 when none runs any more.
Function ${un}AskAddonToQuit
  Push $0 ; running
  Push $1 ; waited, ms
  Push $2 ; message number, then the marker's handle
  Push $3 ; marker written
  StrCpy $1 0
  Call ${un}AddonRunning
  Pop $0
  ${If} $0 = 1
    DetailPrint "Asking ${PRODUCT} to quit"
    System::Call 'user32::RegisterWindowMessageW(w "${UNLOAD_MESSAGE}") i .r2'
    ${If} $2 <> 0
      ; To HWND_BROADCAST; SMTO_ABORTIFHUNG, so a hung window elsewhere cannot hold the installer.
      System::Call 'user32::SendMessageTimeoutW(p 0xffff, i r2, p 0, p 0, i 2, i 1000, *p .r3)'
    ${EndIf}
  ${EndIf}
  StrCpy $3 0
  ${Do}
    ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
    ${IfThen} $1 >= ${QUIT_WAIT_MS} ${|} ${ExitDo} ${|}
    ${If} $1 >= ${MARKER_AFTER_MS}
    ${AndIf} $3 = 0
    ${AndIf} ${FileExists} "$INSTDIR\${EXE}"
      FileOpen $2 "$INSTDIR\install.ini" w
      FileClose $2
      StrCpy $3 1
    ${EndIf}
    Sleep ${POLL_MS}
    IntOp $1 $1 + ${POLL_MS}
    Call ${un}AddonRunning
    Pop $0
  ${Loop}
  ; A marker still there would end the next start of the add-on at once.
  Delete "$INSTDIR\install.ini"
  IntOp $0 $0 ^ 1
  Pop $3
  Pop $2
  Pop $1
  Exch $0
FunctionEnd

; Returns once no add-on runs; aborts the (un)install when it would not quit and the user gives up.
Function ${un}QuitAddon
  Push $0
  ${Do}
    Call ${un}AskAddonToQuit
    Pop $0
    ${If} $0 = 1
      ${ExitDo}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
      "${PRODUCT} is still running and did not quit when asked.$\r$\nEnd it from its tray icon (Exit), then choose Retry." \
      /SD IDCANCEL IDRETRY retry
    Abort "${PRODUCT} is still running; nothing was changed."
    retry:
  ${Loop}
  Pop $0
FunctionEnd
!macroend

!insertmacro QuitFunctions ""
!insertmacro QuitFunctions "un."

; ---------------------------------------------------------------------------------------------
; The installer

; The user's copy keeps every value it has; only keys it lacks are taken from the new one.
Function MergeSettings
  Push $0 ; file
  Push $1 ; line
  Push $2 ; section
  Push $3 ; key
  Push $4 ; value
  Push $5 ; scratch
  ${IfNot} ${FileExists} "$INSTDIR\Quillares.ini"
    CopyFiles /SILENT "$PLUGINSDIR\Quillares.ini" "$INSTDIR\Quillares.ini"
    Goto done
  ${EndIf}
  StrCpy $2 ""
  ClearErrors
  FileOpen $0 "$PLUGINSDIR\Quillares.ini" r
  ${If} ${Errors}
    DetailPrint "Could not read the new settings; Quillares.ini is left as it was"
    Goto done
  ${EndIf}
  ${Do}
    ClearErrors
    FileRead $0 $1
    ${If} ${Errors}
      ${ExitDo}
    ${EndIf}
    ${TrimNewLines} $1 $1
    StrCpy $5 $1 1
    ${If} $5 == "["
      StrCpy $2 $1 "" 1
      StrCpy $2 $2 -1
    ${ElseIf} $2 != ""
    ${AndIf} $5 != ";"
      ${WordFind} $1 "=" "E+1{" $3
      ${IfNot} ${Errors}
        StrLen $5 $3
        IntOp $5 $5 + 1
        StrCpy $4 $1 "" $5
        ClearErrors
        ReadINIStr $5 "$INSTDIR\Quillares.ini" $2 $3
        ${If} ${Errors}
          WriteINIStr "$INSTDIR\Quillares.ini" $2 $3 $4
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${Loop}
  FileClose $0
  done:
  Pop $5
  Pop $4
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd

Function StartAddon
  SetOutPath "$INSTDIR"
  Exec '"$INSTDIR\${EXE}"'
FunctionEnd

Section "${PRODUCT}" SecProgram
  SectionIn RO
  Call QuitAddon
  SetOverwrite on
  !include "${LISTS}/program-files.nsh"
  InitPluginsDir
  File "/oname=$PLUGINSDIR\Quillares.ini" "${PROGRAM}/Quillares.ini"
  Call MergeSettings

  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0
  ; The start-up section below writes it again when chosen.
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

Section /o "Start with Windows" SecAutostart
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '"$INSTDIR\${EXE}"'
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/RUN" $1
  ${IfNot} ${Errors}
    StrCpy $StartWhenDone 1
  ${EndIf}
  ; An upgrade keeps the earlier choice unless told otherwise.
  ClearErrors
  ReadRegStr $1 HKCU "${RUN_KEY}" "${PRODUCT}"
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecAutostart}
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/AUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecAutostart}
  ${EndIf}
  ClearErrors
  ${GetOptions} $0 "/NOAUTOSTART" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecAutostart}
  ${EndIf}
FunctionEnd

Function .onInstSuccess
  ${If} ${Silent}
  ${AndIf} $StartWhenDone = 1
    Call StartAddon
  ${EndIf}
FunctionEnd

; ---------------------------------------------------------------------------------------------
; The uninstaller: it removes what the installer wrote; the user's settings, recordings, tones
; and log stay unless the user asks for them to go.

Section "un.${PRODUCT}" SecUnProgram
  SectionIn RO
  Call un.QuitAddon
  !include "${LISTS}/remove-program-files.nsh"
  ; Scratch files of the add-on and a marker it never saw: not the user's.
  Delete "$INSTDIR\wav\tmp.wav"
  Delete "$INSTDIR\tones\tmp.txt"
  Delete "$INSTDIR\tones\tmp.quilar"
  Delete "$INSTDIR\newinst.ini"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  DeleteRegKey HKCU "${UNINST_KEY}"
  Delete "$INSTDIR\${UNINSTALLER}"
SectionEnd

Section /o "un.Also remove my settings and tones" SecUnUserFiles
  Delete "$INSTDIR\*.ini"
  Delete "$INSTDIR\*.ini.tmp"
  Delete "$INSTDIR\Quillares.log"
  Delete "$INSTDIR\wav\rec_*.wav"
  Delete "$INSTDIR\tones\*.*"
SectionEnd

; Folders go only when empty, so whatever is kept keeps its folder.
Section "-un.Folders"
  !include "${LISTS}/remove-folders.nsh"
  RMDir "$INSTDIR"
SectionEnd
