; The setup program of Tavrin2, made by scripts/package.sh from a staged copy
; of the application folder. Defines given by the script:
;   STAGE        the staged folder (Tavrin2.exe, Velpack.dll, the data folders,
;                the default Tavrin2.ini)
;   FILES        the generated list of "File" lines for every file but the
;                settings file, and FOLDERS the folders to create
;   REMOVE       the generated list of the same files and folders to delete
;   OUTFILE      the setup program to write, ICON its icon
; The version numbers come from the version resource of Tavrin2.exe.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

!include "MUI2.nsh"

!getdllversion "${STAGE}\Tavrin2.exe" TAVRIN_
!define VERSION "${TAVRIN_1}.${TAVRIN_2}.${TAVRIN_3}.${TAVRIN_4}"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tavrin2"

Name "Tavrin2 ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Tavrin2"
InstallDirRegKey HKLM "Software\Tavrin2" "InstallDir"

VIProductVersion "${VERSION}"
VIFileVersion "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductName" "Tavrin2"
VIAddVersionKey /LANG=1033 "CompanyName" "Orvale"
VIAddVersionKey /LANG=1033 "FileDescription" "Tavrin2 ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Freeware"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\Tavrin2.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
  ; Start-menu entries for every user of the machine, as the program folder is.
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetShellVarContext all
FunctionEnd

Section "Tavrin2"
  SetOutPath "$INSTDIR"
  !include "${FOLDERS}"
  !include "${FILES}"
  ; The default settings only when there are none: an update keeps the
  ; user's settings (and DataBase.ini, which setup never writes).
  SetOutPath "$INSTDIR"
  SetOverwrite off
  File "${STAGE}\Tavrin2.ini"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\Uninstall.exe"
  CreateDirectory "$SMPROGRAMS\Tavrin2"
  CreateShortcut "$SMPROGRAMS\Tavrin2\Tavrin2.lnk" "$INSTDIR\Tavrin2.exe"
  CreateShortcut "$SMPROGRAMS\Tavrin2\Uninstall Tavrin2.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKLM "Software\Tavrin2" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tavrin2"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Orvale"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Tavrin2.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Removes exactly what setup installed. The settings file, DataBase.ini and
; anything else the user put into the folder stay, and so does the folder
; when it still holds them.
Section "Uninstall"
  !include "${REMOVE}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Tavrin2\Tavrin2.lnk"
  Delete "$SMPROGRAMS\Tavrin2\Uninstall Tavrin2.lnk"
  RMDir "$SMPROGRAMS\Tavrin2"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  DeleteRegKey HKLM "Software\Tavrin2"
SectionEnd
