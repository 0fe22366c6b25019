; The Movani32 installer, built by makensis on Linux (the build's `dist` target defines
; VERSION, VERSION4, BIN, SRC, FILES and OUT). Japanese on a Japanese Windows, English
; elsewhere. Silent mode: /S; /STARTUP adds the log-on shortcut; /D=FOLDER (last) sets the
; folder. The uninstaller ends a running Movani32 first and keeps the settings when silent.

!ifdef MOV_AMD64
  ; Only for the tests on machines whose Wine runs no 32-bit code.
  Target amd64-unicode
!else
  ; An ANSI installer still runs on Windows 95/98/Me.
  Unicode false
!endif

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"
!include "WinMessages.nsh"
!include "${FILES}"

!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Movani32"
!define SETTINGS_KEY "Software\Farnwick\MovAni32"
!define ID_APP_EXIT 57665

Name "Movani32"
OutFile "${OUT}"
!ifdef MOV_AMD64
  InstallDir "$PROGRAMFILES64\Movani32"
!else
  InstallDir "$PROGRAMFILES\Movani32"
!endif
InstallDirRegKey HKLM "${UNINST_KEY}" "InstallLocation"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Movani32 ${VERSION}"
ShowInstDetails nevershow
ShowUninstDetails nevershow

!define MUI_ICON "${SRC}/ui/res/movani32.ico"
!define MUI_UNICON "${SRC}/ui/res/movani32.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\Movani32.exe"
!define MUI_FINISHPAGE_SHOWREADME "$INSTDIR\Movani32.html"
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the user's is not here.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString SecMainName ${LANG_ENGLISH} "Movani32 (required)"
LangString SecMainName ${LANG_JAPANESE} "Movani32 本体 (必須)"
LangString SecStartupName ${LANG_ENGLISH} "Start Movani32 hidden when I log on"
LangString SecStartupName ${LANG_JAPANESE} "ログオン時にウィンドウを隠して起動する"
LangString LinkRemote ${LANG_ENGLISH} "Remote control (MovRC2)"
LangString LinkRemote ${LANG_JAPANESE} "リモコン (MovRC2)"
LangString LinkManual ${LANG_ENGLISH} "Movani32 manual"
LangString LinkManual ${LANG_JAPANESE} "Movani32 の使い方"
LangString LinkUninstall ${LANG_ENGLISH} "Uninstall Movani32"
LangString LinkUninstall ${LANG_JAPANESE} "Movani32 のアンインストール"
LangString AskRemoveSettings ${LANG_ENGLISH} "Also remove Movani32's settings and registered groups from the registry?"
LangString AskRemoveSettings ${LANG_JAPANESE} "Movani32 の設定と登録したグループ (レジストリ) も削除しますか?"

VIProductVersion "${VERSION4}"
VIFileVersion "${VERSION4}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Movani32"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Movani32 setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Movani32 developers"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductName" "Movani32"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileDescription" "Movani32 セットアップ"
VIAddVersionKey /LANG=${LANG_JAPANESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_JAPANESE} "LegalCopyright" "Movani32 developers"

; Running programs keep their files: Movani32 is asked to quit as its own exit command does
; (it puts the desktop back and saves its lists), the remote control is closed.
!macro CloseRunning UN
Function ${UN}CloseRunning
  FindWindow $0 "MovaniClass"
  ${If} $0 <> 0
    SendMessage $0 ${WM_COMMAND} ${ID_APP_EXIT} 0 /TIMEOUT=30000
    StrCpy $1 0
    ${Do}
      FindWindow $0 "MovaniClass"
      ${If} $0 = 0
      ${OrIf} $1 >= 150
        ${Break}
      ${EndIf}
      Sleep 200
      IntOp $1 $1 + 1
    ${Loop}
  ${EndIf}
  FindWindow $0 "TfrmMovRc2"
  ${If} $0 <> 0
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
  ${EndIf}
FunctionEnd
!macroend
!insertmacro CloseRunning ""
!insertmacro CloseRunning "un."

Section "!$(SecMainName)" SecMain
  SectionIn RO
  Call CloseRunning
  SetOutPath "$INSTDIR"
  !insertmacro MovInstallFiles
  File "${BIN}/README.txt"
  File "${BIN}/Movani32.html"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  ; Shortcuts start in the program folder: Movani32 finds its outside tools there.
  SetShellVarContext all
  CreateDirectory "$SMPROGRAMS\Movani32"
  CreateShortCut "$SMPROGRAMS\Movani32\Movani32.lnk" "$INSTDIR\Movani32.exe"
  CreateShortCut "$SMPROGRAMS\Movani32\$(LinkRemote).lnk" "$INSTDIR\MovRC2.exe"
  CreateShortCut "$SMPROGRAMS\Movani32\$(LinkManual).lnk" "$INSTDIR\Movani32.html"
  CreateShortCut "$SMPROGRAMS\Movani32\$(LinkUninstall).lnk" "$INSTDIR\Uninstall.exe"
  SetShellVarContext current

  WriteRegStr HKLM "${UNINST_KEY}" "DisplayName" "Movani32"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Movani32.exe"
  WriteRegStr HKLM "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINST_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

; Wallpaper changers are expected to come back after a restart, out of the way: "-S"
; starts Movani32 with its window hidden.
Section /o "$(SecStartupName)" SecStartup
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMSTARTUP\Movani32.lnk" "$INSTDIR\Movani32.exe" "-S"
SectionEnd

Function .onInit
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/STARTUP" $1
  ${IfNot} ${Errors}
    !insertmacro SelectSection ${SecStartup}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.CloseRunning
  ; The program's own file may stay locked for a moment after its window has gone.
  StrCpy $1 0
  ${Do}
    Delete "$INSTDIR\Movani32.exe"
    ${IfNot} ${FileExists} "$INSTDIR\Movani32.exe"
    ${OrIf} $1 >= 50
      ${Break}
    ${EndIf}
    Sleep 200
    IntOp $1 $1 + 1
  ${Loop}
  !insertmacro MovDeleteFiles
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\Movani32.html"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  SetShellVarContext all
  Delete "$SMPROGRAMS\Movani32\*.lnk"
  RMDir "$SMPROGRAMS\Movani32"
  SetShellVarContext current
  Delete "$SMSTARTUP\Movani32.lnk"
  DeleteRegKey HKLM "${UNINST_KEY}"

  MessageBox MB_YESNO|MB_ICONQUESTION "$(AskRemoveSettings)" /SD IDNO IDNO keep
    DeleteRegKey HKCU "${SETTINGS_KEY}"
    DeleteRegKey /ifempty HKCU "Software\Farnwick"
  keep:
SectionEnd
