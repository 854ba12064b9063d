; The Windows installer of Stenvik: stenvik.exe in Program Files, a Start
; menu entry, a desktop shortcut if wanted, and an uninstaller listed under
; Apps & features. It speaks Swedish on a Swedish Windows, English elsewhere.
;   makensis -DPROGRAM=path\to\stenvik.exe -DVERSION=X.Y.Z -DOUTFILE=stenvik-setup.exe stenvik.nsi
; The build passes the project's version; it is written nowhere else.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin
; Installed files get the time of installing, not of building, so that two
; builds of the same sources give the same installer byte for byte.
SetDateSave off

!ifndef PROGRAM
  !error "Give the program to install: -DPROGRAM=...\stenvik.exe"
!endif
!ifndef VERSION
  !error "Give the version, as the build does: -DVERSION=X.Y.Z"
!endif
!ifndef OUTFILE
  !define OUTFILE "stenvik-${VERSION}-setup.exe"
!endif

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Stenvik"

Name "Stenvik"
Caption "Stenvik ${VERSION}"
BrandingText "Stenvik ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Stenvik"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

!define MUI_ICON "..\assets\icons\stenvik-large.ico"
!define MUI_UNICON "..\assets\icons\stenvik-large.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
; The installer runs elevated; the program it starts should not, so Explorer,
; which runs as the user, starts it.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "$(StartStenvik)"
!define MUI_FINISHPAGE_RUN_FUNCTION StartAsUser

!insertmacro MUI_PAGE_LICENSE "..\LICENSE"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one a system speaking neither gets.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Swedish"

LangString StartStenvik ${LANG_ENGLISH} "Start Stenvik"
LangString StartStenvik ${LANG_SWEDISH} "Starta Stenvik"
LangString DesktopShortcut ${LANG_ENGLISH} "Desktop shortcut"
LangString DesktopShortcut ${LANG_SWEDISH} "Genväg på skrivbordet"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Stenvik"
VIAddVersionKey /LANG=0 "FileDescription" "Stenvik installer"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "Copyright (c) 2026 The Stenvik developers"

Function StartAsUser
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\stenvik.exe"'
FunctionEnd

Section "Stenvik" SecProgram
  SectionIn RO
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  File "/oname=stenvik.exe" "${PROGRAM}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\Stenvik.lnk" "$INSTDIR\stenvik.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Stenvik"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\stenvik.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Stenvik"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; Apps & features shows this size (in KiB) instead of guessing one.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(DesktopShortcut)" SecDesktop
  SetShellVarContext all
  CreateShortCut "$DESKTOP\Stenvik.lnk" "$INSTDIR\stenvik.exe"
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$DESKTOP\Stenvik.lnk"
  Delete "$SMPROGRAMS\Stenvik.lnk"
  Delete "$INSTDIR\stenvik.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
