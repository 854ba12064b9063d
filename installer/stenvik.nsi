; The Windows installer of Stenvik: stenvik.exe in Program Files, a Start
; menu entry, and an uninstaller listed under Apps & features.
;   makensis -DPROGRAM=path\to\stenvik.exe -DVERSION=X.Y.Z -DOUTFILE=stenvik-setup.exe stenvik.nsi
; The build passes the project's version; it is written nowhere else.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel admin

!ifndef PROGRAM
  !error "Give the program to install: -DPROGRAM=...\stenvik.exe"
!endif
!ifndef VERSION
  !error "Give the version, as the build does: -DVERSION=X.Y.Z"
!endif
!ifndef OUTFILE
  !define OUTFILE "stenvik-${VERSION}-setup.exe"
!endif

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Stenvik"

Name "Stenvik"
Caption "Stenvik ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Stenvik"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
Icon "..\assets\icons\stenvik-large.ico"
UninstallIcon "..\assets\icons\stenvik-large.ico"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "Stenvik"
VIAddVersionKey /LANG=0 "FileDescription" "Stenvik installer"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "The Stenvik developers"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Stenvik"
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
SectionEnd

Section "Uninstall"
  SetShellVarContext all
  Delete "$SMPROGRAMS\Stenvik.lnk"
  Delete "$INSTDIR\stenvik.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
