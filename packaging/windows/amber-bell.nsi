; The Windows installer, made by makensis from the build (cmake/InstallerWin32.cmake).
;   makensis -DVERSION=0.1.0 -DSAVER_DIR=<build>/saver -DOUT_FILE=<setup.exe> amber-bell.nsi
;
; Installs the renderer, the configuration program and the packages into
; Program Files\lumivera\Amber Bell, records that folder (ending with a
; backslash) in the registry value the screensaver reads, puts amber-bell.scr
; into the system folder, where the Screen Saver dialog lists screensavers, and
; registers an uninstaller in the list of installed programs. /S runs either
; of them without a window.
Unicode true
!include "MUI2.nsh"
!include "FileFunc.nsh"

!ifndef VERSION | SAVER_DIR | OUT_FILE
  !error "VERSION, SAVER_DIR and OUT_FILE must be defined"
!endif

!define SETTINGS_KEY "Software\lumivera\Amber Bell\Settings"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Amber Bell"
; The settings file the configuration program writes into the application-data
; folder shared by all users.
!define SETTINGS_FILE "lumivera_Amber Bell_cfg"

Name "Amber Bell"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES\lumivera\Amber Bell"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "Amber Bell ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "Amber Bell"
VIAddVersionKey "CompanyName" "lumivera"
VIAddVersionKey "FileDescription" "Amber Bell screensaver setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "lumivera"

; The finish page offers to make Amber Bell the screensaver: Windows' own
; way selects it and opens the Screen Saver dialog on it.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Use Amber Bell as the screen saver"
!define MUI_FINISHPAGE_RUN_FUNCTION chooseScreenSaver
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function chooseScreenSaver
  Exec '"$SYSDIR\rundll32.exe" desk.cpl,InstallScreenSaver $SYSDIR\amber-bell.scr'
FunctionEnd

Section "Amber Bell"
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "${SAVER_DIR}/Amber Bell.exe"
  File "${SAVER_DIR}/config.exe"
  File "${SAVER_DIR}/main.pak"
  File "${SAVER_DIR}/clock.pak"
  File "${SAVER_DIR}/calendar.pak"
  File "${SAVER_DIR}/utils.pak"
  File "${SAVER_DIR}/preview.ppk"
  ; On 64-bit Windows this 32-bit setup's system folder is SysWOW64, where
  ; 32-bit screensavers belong.
  SetOutPath "$SYSDIR"
  File "${SAVER_DIR}/amber-bell.scr"

  WriteRegStr HKLM "${SETTINGS_KEY}" "Path" "$INSTDIR\"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Amber Bell"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "lumivera"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SYSDIR\amber-bell.scr"
  Delete "$INSTDIR\Amber Bell.exe"
  Delete "$INSTDIR\config.exe"
  Delete "$INSTDIR\main.pak"
  Delete "$INSTDIR\clock.pak"
  Delete "$INSTDIR\calendar.pak"
  Delete "$INSTDIR\utils.pak"
  Delete "$INSTDIR\preview.ppk"
  Delete "$INSTDIR\uninstall.exe"
  ; Folders go only when nothing else is left in them.
  RMDir "$INSTDIR"
  RMDir "$PROGRAMFILES\lumivera"
  Delete "$APPDATA\${SETTINGS_FILE}"

  DeleteRegKey HKLM "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKLM "Software\lumivera\Amber Bell"
  DeleteRegKey /ifempty HKLM "Software\lumivera"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
