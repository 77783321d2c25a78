; The Windows installer, made by makensis from the build (cmake/InstallerWin32.cmake).
;   makensis -DVERSION=0.1.0 -DSAVER_DIR=<build>/saver -DART_DIR=<native build>/windows-art
;            -DFILE_LISTS_NSH=<build>/file-lists.nsh -DAS_DESKTOP_USER=<build>/installer/as-desktop-user.exe
;            -DSETTINGS_ACCESS=<build>/installer/settings-access.exe
;            -DINSTALL_FOLDER=<build>/installer/install-folder.exe
;            -DOUT_FILE=<setup.exe> [-DSIGN_FILE=<command that signs the file it is given>] amber-bell.nsi
; (<build>/make-installer, which cmake/InstallerWin32.cmake makes, runs it.)
;
; Installs the renderer, the configuration program and the packages into
; Program Files\lumivera\Amber Bell, records that folder (ending with a
; backslash) in the registry value the screensaver reads, puts amber-bell.scr
; into the system folder, where the Screen Saver dialog lists screensavers, and
; registers an uninstaller in the list of installed programs and the Start
; menu. /S runs either of them without a window. The icon and the pictures
; are drawn by the artwork tool (ART_DIR). A second setup finds the folder in
; the uninstall entry and replaces the install there.
;
; Exit codes of a silent run: 0 done; 2 the folder's name cannot be used; 3
; Amber Bell runs from the files to be replaced (a show, a preview or the
; settings dialog); 4 the folder does not lie inside Program Files; 5 the
; shared settings file could not be taken over (something of a user's that
; setup cannot remove is in its place). Nothing was changed in those cases.
; 1 is NSIS's own for a cancel.
Unicode true
!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!ifndef VERSION | SAVER_DIR | ART_DIR | FILE_LISTS_NSH | AS_DESKTOP_USER | SETTINGS_ACCESS | INSTALL_FOLDER | OUT_FILE
  !error "VERSION, SAVER_DIR, ART_DIR, FILE_LISTS_NSH, AS_DESKTOP_USER, SETTINGS_ACCESS, INSTALL_FOLDER and OUT_FILE must be defined"
!endif
; The macro ForEachPackage: the show's packages.
!include "${FILE_LISTS_NSH}"

!define SETTINGS_KEY "Software\lumivera\Amber Bell\Settings"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Amber Bell"
; The settings file the configuration program writes into the application-data
; folder shared by all users.
!define SETTINGS_FILE "lumivera_Amber Bell_cfg"
; Where Windows records the user's screensaver.
!define DESKTOP_KEY "Control Panel\Desktop"
!define START_MENU "$SMPROGRAMS\Amber Bell"
!define EXIT_IN_USE 3
!define EXIT_NOT_PROGRAM_FILES 4
!define EXIT_SETTINGS_FILE 5

; ForEachProgramFile MACRO: inserts MACRO with the name of each file of the
; install folder but the uninstaller.
!macro ForEachProgramFile DO
  !insertmacro ${DO} "Amber Bell.exe"
  !insertmacro ${DO} "config.exe"
  !insertmacro ForEachLibrary ${DO}
  !insertmacro ForEachPackage ${DO}
  !insertmacro ${DO} "preview.ppk"
  !insertmacro ${DO} "LICENSE.txt"
  !insertmacro ${DO} "THIRD-PARTY-NOTICES.txt"
!macroend
!macro InstallProgramFile NAME
  File "${SAVER_DIR}/${NAME}"
!macroend
!macro DeleteProgramFile NAME
  Delete "$INSTDIR\${NAME}"
!macroend

Name "Amber Bell"
OutFile "${OUT_FILE}"
; A signed release: the uninstaller is signed as it is written into setup,
; and setup once it is made.
!ifdef SIGN_FILE
  !uninstfinalize `${SIGN_FILE} "%1"` = 0
  !finalize `${SIGN_FILE} "%1"` = 0
!endif
InstallDir "$PROGRAMFILES\lumivera\Amber Bell"
; An earlier install's folder, so that setup replaces it there; /D= still
; overrides it. Read, like everything this 32-bit setup writes, in the 32-bit
; view of the registry on 64-bit Windows.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
; Sharp on scaled screens, and told the truth about Windows 7 to 11.
ManifestDPIAware true
ManifestSupportedOS all
SetCompressor /SOLID lzma
BrandingText "Amber Bell ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Amber Bell"
VIAddVersionKey "CompanyName" "lumivera"
VIAddVersionKey "FileDescription" "Amber Bell screensaver setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "lumivera"

!define MUI_ICON "${ART_DIR}/amber-bell.ico"
!define MUI_UNICON "${ART_DIR}/amber-bell.ico"
!define MUI_HEADERIMAGE
!define MUI_HEADERIMAGE_RIGHT
!define MUI_HEADERIMAGE_BITMAP "${ART_DIR}/installer-header.bmp"
!define MUI_HEADERIMAGE_UNBITMAP "${ART_DIR}/installer-header.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${ART_DIR}/installer-side.bmp"
!define MUI_UNWELCOMEFINISHPAGE_BITMAP "${ART_DIR}/installer-side.bmp"

!define MUI_WELCOMEPAGE_TEXT "Amber Bell is a screensaver: a glowing heart beats over a warm background and sends out a stream of small hearts, with a clock and a calendar page beside it.$\r$\n$\r$\nAfter the installation it is in the Screen Saver settings, and its own settings are in the Start menu under Amber Bell.$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
; The MIT licence asks nothing of the user: the page informs, Next goes on.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Amber Bell is free software under the MIT licence. The notices of the libraries it is built with are in THIRD-PARTY-NOTICES.txt in the install folder."
!insertmacro MUI_PAGE_LICENSE "${SAVER_DIR}/LICENSE.txt"
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE checkInstallFolder
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page offers to make Amber Bell the screensaver.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Use Amber Bell as the screen saver"
!define MUI_FINISHPAGE_RUN_FUNCTION chooseScreenSaver
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; The screensaver as the 64-bit system sees it: this 32-bit setup's system
; folder is SysWOW64 there, and a "system32" path would name nothing to the
; 64-bit programs that start screensavers.
Function screenSaverPath
  ${If} ${RunningX64}
    StrCpy $0 "$WINDIR\SysWOW64\amber-bell.scr"
  ${Else}
    StrCpy $0 "$SYSDIR\amber-bell.scr"
  ${EndIf}
FunctionEnd

; Records Amber Bell as the user's screensaver where the Screen Saver dialog
; records it.
Function recordScreenSaver
  Call screenSaverPath
  WriteRegStr HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE" "$0"
  WriteRegStr HKCU "${DESKTOP_KEY}" "ScreenSaveActive" "1"
FunctionEnd

; Defines [un.]runAsDesktopUser: starts "PROGRAM PARAMETERS" ($1) through the
; desktop's Explorer, as the desktop's user (packaging/windows/as_desktop_user.cpp).
; $1 is left 0 when Explorer took it.
!macro DefineRunAsDesktopUser UN
Function ${UN}runAsDesktopUser
  ClearErrors
  ExecWait '"$PLUGINSDIR\as-desktop-user.exe" $1' $1
  ${If} ${Errors}
    StrCpy $1 1
  ${EndIf}
FunctionEnd
!macroend
!insertmacro DefineRunAsDesktopUser ""
!insertmacro DefineRunAsDesktopUser "un."

; The finish page's choice. Setup runs elevated, perhaps as an administrator
; who is not the desktop's user: what it started itself would record the
; choice in that account's HKCU, and the Screen Saver dialog and the settings
; opened from there would run as that account. So everything runs through
; Explorer, as the desktop's user. Windows' own way selects the screensaver and
; opens the Screen Saver dialog on it; without desk.cpl (Wine, stripped-down
; systems) reg.exe records the choice.
Function chooseScreenSaver
  Call screenSaverPath
  InitPluginsDir
  File "/oname=$PLUGINSDIR\as-desktop-user.exe" "${AS_DESKTOP_USER}"
  ${If} ${FileExists} "$SYSDIR\desk.cpl"
    StrCpy $1 '"$SYSDIR\rundll32.exe" desk.cpl,InstallScreenSaver $0'
    Call runAsDesktopUser
  ${Else}
    StrCpy $1 '"$SYSDIR\reg.exe" add "HKCU\${DESKTOP_KEY}" /v SCRNSAVE.EXE /t REG_SZ /d "$0" /f'
    Call runAsDesktopUser
    ${If} $1 = 0
      StrCpy $1 '"$SYSDIR\reg.exe" add "HKCU\${DESKTOP_KEY}" /v ScreenSaveActive /t REG_SZ /d 1 /f'
      Call runAsDesktopUser
    ${EndIf}
  ${EndIf}
  ; Never as this account instead: that would be someone else's choice.
  ${If} $1 <> 0
    MessageBox MB_OK|MB_ICONINFORMATION "Amber Bell could not be chosen for you: Windows' desktop did not answer.$\r$\n$\r$\nPick Amber Bell in the Screen Saver settings."
  ${EndIf}
FunctionEnd

; A saver choice naming our .scr would name a deleted file: Windows'
; "(None)" is no value at all. The desktop's user may not be the account
; this elevated uninstaller runs as, so the choice is cleared twice: in this
; account's HKCU here, and through the desktop's Explorer in the desktop
; user's, by reg.exe under cmd, which deletes the value only when its file
; name is amber-bell.scr (or that file's short name, which older dialogs wrote).
Function un.clearScreenSaverChoice
  GetFullPathName /SHORT $1 "$SYSDIR\amber-bell.scr"
  GetFullPathName /SHORT $3 "$WINDIR\SysWOW64\amber-bell.scr"
  ReadRegStr $0 HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${GetFileName} "$0" $2
  ${If} $2 == "amber-bell.scr"
  ${OrIf} $0 == $1
  ${OrIf} $0 == $3
    DeleteRegValue HKCU "${DESKTOP_KEY}" "SCRNSAVE.EXE"
  ${EndIf}
  ; The file names the value may end with: ours, and its short name where
  ; the file has one.
  StrCpy $2 "amber-bell.scr"
  ${GetFileName} "$1" $1
  ${If} $1 != ""
    StrCpy $2 "$2 $1"
  ${EndIf}
  ${GetFileName} "$3" $3
  ${If} $3 != ""
    StrCpy $2 "$2 $3"
  ${EndIf}
  InitPluginsDir
  File "/oname=$PLUGINSDIR\as-desktop-user.exe" "${AS_DESKTOP_USER}"
  ; For the value's data (the third word on and after, %b), compared by its
  ; file name (%~nxb) with each name (%n): only cmd and reg.exe, which every
  ; Windows has.
  StrCpy $0 `for /f "tokens=2,*" %a in ('reg query "HKCU\${DESKTOP_KEY}" /v SCRNSAVE.EXE 2^>nul') do @for %n in ($2) do @if /i "%~nxb"=="%n" reg delete "HKCU\${DESKTOP_KEY}" /v SCRNSAVE.EXE /f`
  ; /s: cmd takes everything between the outer quotes as it stands.
  StrCpy $1 '/hide "$SYSDIR\cmd.exe" /d /s /c "$0"'
  Call un.runAsDesktopUser
  ${If} $1 <> 0
    DetailPrint "The desktop's user may still have Amber Bell chosen as the screen saver."
    MessageBox MB_OK|MB_ICONINFORMATION "Amber Bell may still be chosen as the screen saver of the desktop's user: Windows' desktop did not answer.$\r$\n$\r$\nPick another screen saver in the Screen Saver settings." /SD IDOK
  ${EndIf}
FunctionEnd

; "setup.exe /S /screensaver" installs and selects the screensaver without a
; window, for scripted installs: for the account that runs setup, as a script
; expects.
Function .onInstSuccess
  ${GetParameters} $R1
  ${GetOptions} $R1 "/screensaver" $R0
  ${IfNot} ${Errors}
    Call recordScreenSaver
  ${EndIf}
FunctionEnd

; The programs take their folder through the system's ANSI calls, so a folder
; whose name the ANSI code page cannot spell would start nothing. $1 is left
; 1 when the name converts without a stand-in character.
Function installFolderFitsAnsi
  System::Call 'kernel32::GetACP() i .r3'
  ${If} $3 = 65001
    StrCpy $1 1  ; UTF-8 spells every name (and takes no used-default flag)
    Return
  ${EndIf}
  ; CP_ACP, WC_NO_BEST_FIT_CHARS: a character without an exact match sets
  ; the used-default flag.
  System::Call 'kernel32::WideCharToMultiByte(i 0, i 0x400, w "$INSTDIR", i -1, p 0, i 0, p 0, *i 0 r2) i .r1'
  ${If} $1 <> 0
  ${AndIf} $2 = 0
    StrCpy $1 1
  ${Else}
    StrCpy $1 0
  ${EndIf}
FunctionEnd

; Only a folder inside Program Files is taken, as the file system names it
; after short names, links and junctions, and $INSTDIR becomes that name:
; nobody but administrators can change anything there, nor any folder above
; it (packaging/windows/install_folder_rule.h). $1 is left 1 when taken.
Function resolveInstallFolder
  InitPluginsDir
  File "/oname=$PLUGINSDIR\install-folder.exe" "${INSTALL_FOLDER}"
  Delete "$PLUGINSDIR\install-folder.txt"
  nsExec::Exec '"$PLUGINSDIR\install-folder.exe" "$INSTDIR" "$PLUGINSDIR\install-folder.txt"'
  Pop $0
  StrCpy $1 0
  ${If} $0 = 0
    ClearErrors
    FileOpen $2 "$PLUGINSDIR\install-folder.txt" r
    ${IfNot} ${Errors}
      FileReadUTF16LE $2 $3
      FileClose $2
      ${If} $3 != ""
        StrCpy $INSTDIR $3
        StrCpy $1 1
      ${EndIf}
    ${EndIf}
  ${EndIf}
FunctionEnd

Function checkInstallFolder
  Call resolveInstallFolder
  ${If} $1 <> 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "Amber Bell installs only into a folder inside Program Files, where no other user can change the files the screensaver runs.$\r$\n$\r$\nPlease choose a folder there."
    Abort
  ${EndIf}
  Call installFolderFitsAnsi
  ${If} $1 <> 1
    MessageBox MB_OK|MB_ICONEXCLAMATION "Windows cannot start a screensaver from this folder: its name has characters that this system's code page for programs cannot hold.$\r$\n$\r$\nPlease choose a folder whose name uses only characters of your system's language."
    Abort
  ${EndIf}
FunctionEnd

; A show, a preview or the settings dialog running from our files holds them:
; Windows cannot replace or delete a running program, and a setup going on
; around it would leave old and new files mixed. Each file is opened for
; writing before anything is changed; $R0 is left the first that cannot be,
; or "".
!macro ProbeFile PATH
  ${If} $R0 == ""
  ${AndIf} ${FileExists} "${PATH}"
    ClearErrors
    FileOpen $R1 "${PATH}" a
    ${If} ${Errors}
      StrCpy $R0 "${PATH}"
    ${Else}
      FileClose $R1
    ${EndIf}
  ${EndIf}
!macroend
!macro ProbeProgramFile NAME
  !insertmacro ProbeFile "$INSTDIR\${NAME}"
!macroend

; Defines [un.]stopWhileInUse: returns when none of our files is in use; the
; user may close what holds one and retry, or else (and always when silent)
; it stops with exit code EXIT_IN_USE.
!macro DefineStopWhileInUse UN
Function ${UN}stopWhileInUse
  ${Do}
    StrCpy $R0 ""
    !insertmacro ProbeFile "$SYSDIR\amber-bell.scr"
    !insertmacro ForEachProgramFile ProbeProgramFile
    !if "${UN}" == ""
      !insertmacro ProbeFile "$INSTDIR\uninstall.exe"
    !endif
    ${If} $R0 == ""
      Return
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "Amber Bell is running from $R0: a show, its preview in the Screen Saver settings or the Amber Bell Settings dialog.$\r$\n$\r$\nClose it, then click Retry." /SD IDCANCEL IDRETRY retry
    DetailPrint "Amber Bell is running from $R0: nothing was changed."
    SetErrorLevel ${EXIT_IN_USE}
    Abort
    retry:
  ${Loop}
FunctionEnd
!macroend
!insertmacro DefineStopWhileInUse ""
!insertmacro DefineStopWhileInUse "un."

Section "Amber Bell"
  SetShellVarContext all
  ; A silent install skips the folder page and its checks.
  Call resolveInstallFolder
  ${If} $1 <> 1
    DetailPrint "The folder $INSTDIR cannot be used: Amber Bell installs only into a folder inside Program Files."
    SetErrorLevel ${EXIT_NOT_PROGRAM_FILES}
    Abort
  ${EndIf}
  Call installFolderFitsAnsi
  ${If} $1 <> 1
    DetailPrint "The folder $INSTDIR cannot be used: the system's code page cannot hold its name."
    SetErrorLevel 2
    Abort
  ${EndIf}
  Call stopWhileInUse
  ; A settings file an older version saved belongs to whoever saved it, and
  ; every other account may only read it: give it the access every save makes
  ; now, if it is a regular file with one name, else take the name away
  ; (packaging/windows/settings_access.cpp). Before anything is installed, so
  ; that a failure changes nothing.
  ${If} ${FileExists} "$APPDATA\${SETTINGS_FILE}"
    File "/oname=$PLUGINSDIR\settings-access.exe" "${SETTINGS_ACCESS}"
    nsExec::Exec '"$PLUGINSDIR\settings-access.exe" "$APPDATA\${SETTINGS_FILE}"'
    Pop $0
    ${If} $0 <> 0
      DetailPrint "The settings file $APPDATA\${SETTINGS_FILE} could not be taken over: nothing was changed."
      MessageBox MB_OK|MB_ICONSTOP "Setup cannot take over $APPDATA\${SETTINGS_FILE}, which every user's Amber Bell settings go through: something that is not a settings file is in its place.$\r$\n$\r$\nDelete it, then run setup again." /SD IDOK
      SetErrorLevel ${EXIT_SETTINGS_FILE}
      Abort
    ${EndIf}
  ${EndIf}
  SetOutPath "$INSTDIR"
  !insertmacro ForEachProgramFile InstallProgramFile
  ; On 64-bit Windows this 32-bit setup's system folder is SysWOW64, where
  ; 32-bit screensavers belong.
  SetOutPath "$SYSDIR"
  File "${SAVER_DIR}/amber-bell.scr"

  WriteRegStr HKLM "${SETTINGS_KEY}" "Path" "$INSTDIR\"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateDirectory "${START_MENU}"
  CreateShortcut "${START_MENU}\Amber Bell Settings.lnk" "$INSTDIR\config.exe" "" "$INSTDIR\config.exe" 0
  CreateShortcut "${START_MENU}\Uninstall Amber Bell.lnk" "$INSTDIR\uninstall.exe" "" "$INSTDIR\uninstall.exe" 0
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Amber Bell"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\config.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "lumivera"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, rounded up: the install folder and the .scr in the system folder.
  ${GetSize} "$INSTDIR" "/S=0B" $0 $1 $2
  ${GetSize} "$SYSDIR" "/M=amber-bell.scr /S=0B /G=0" $3 $1 $2
  IntOp $0 $0 + $3
  IntOp $0 $0 + 1023
  IntOp $0 $0 / 1024
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Call un.stopWhileInUse
  Call un.clearScreenSaverChoice
  Delete "$SYSDIR\amber-bell.scr"
  !insertmacro ForEachProgramFile DeleteProgramFile
  Delete "$INSTDIR\uninstall.exe"
  Delete "${START_MENU}\Amber Bell Settings.lnk"
  Delete "${START_MENU}\Uninstall Amber Bell.lnk"
  RMDir "${START_MENU}"
  ; Folders go only when nothing else is left in them.
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES\lumivera"
  Delete "$APPDATA\${SETTINGS_FILE}"

  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "Software\lumivera\Amber Bell"
  DeleteRegKey /ifempty HKLM "Software\lumivera"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
