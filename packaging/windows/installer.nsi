; SPDX-FileCopyrightText: 2026 Zarvelon developers
; SPDX-License-Identifier: GPL-3.0-or-later
;
; The Windows installer of Zarvelon, in Bulgarian. The build makes it
; (packaging/windows/CMakeLists.txt) as
;
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.0.0 -DPROGRAM=zarvelon.exe
;            -DLICENSE=LICENSE.txt -DREADME=README.txt
;            -DOUTFILE=zarvelon-1.0.0-setup.exe installer.nsi
;
; LICENSE and README are the texts already made for Windows (CR LF, the
; read-me with a byte-order mark). /S installs or uninstalls silently.

!macro REQUIRE_DEFINE NAME
  !ifndef ${NAME}
    !error "makensis needs -D${NAME}=..."
  !endif
!macroend
!insertmacro REQUIRE_DEFINE VERSION
!insertmacro REQUIRE_DEFINE PROGRAM
!insertmacro REQUIRE_DEFINE LICENSE
!insertmacro REQUIRE_DEFINE README
!insertmacro REQUIRE_DEFINE OUTFILE

; A 64-bit installer for a 64-bit program: it runs wherever the program
; can, and needs no 32-bit layer of Windows (or of Wine) to run.
Target amd64-unicode
Unicode true
; Sharp text on the scaled displays of classroom projectors.
ManifestDPIAware true
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include WinVer.nsh
!include FileFunc.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zarvelon"
!define UNINSTALLER "uninstall.exe"
!define ICON "${__FILEDIR__}\..\..\src\ui\resources\zarvelon.ico"

Name "Zarvelon"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Zarvelon"
RequestExecutionLevel admin
BrandingText "Zarvelon ${VERSION}"

; The installer's version record: the program's version and names.
VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "CompanyName" "Zarvelon Project"
VIAddVersionKey /LANG=1033 "FileDescription" "Zarvelon Setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (C) Zarvelon Project"
VIAddVersionKey /LANG=1033 "ProductName" "Zarvelon"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"

; --- Pages -------------------------------------------------------------------
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

; The GPL asks for no acceptance to use the program: the page informs.
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Zarvelon е свободен софтуер: можете да го използвате, разпространявате и променяте при условията на този лиценз."
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "Стартирай Zarvelon"
!define MUI_FINISHPAGE_RUN_FUNCTION StartProgram
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Bulgarian"

; --- The installed files -------------------------------------------------------
; One list serves both the installer and the uninstaller, so that the
; uninstaller removes exactly what was installed.
!macro FOR_EACH_INSTALLED_FILE OPERATION
  !insertmacro ${OPERATION} "${PROGRAM}" "zarvelon.exe"
  !insertmacro ${OPERATION} "${README}" "README.txt"
  !insertmacro ${OPERATION} "${LICENSE}" "LICENSE.txt"
!macroend
!macro INSTALL_FILE SOURCE NAME
  File "/oname=${NAME}" "${SOURCE}"
!macroend
!macro REMOVE_FILE SOURCE NAME
  Delete "$INSTDIR\${NAME}"
!macroend

; For every user of the computer, in the 64-bit view of the registry.
!macro FOR_ALL_USERS
  SetShellVarContext all
  SetRegView 64
!macroend

Function .onInit
  !insertmacro FOR_ALL_USERS
  ; Qt 6.4, and so the program, needs Windows 10 1809 (build 17763).
  ${IfNot} ${AtLeastBuild} 17763
    MessageBox MB_OK|MB_ICONSTOP "Zarvelon работи под Windows 10 версия 1809 или по-нова и под Windows 11." /SD IDOK
    Abort
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro FOR_ALL_USERS
FunctionEnd

; The installer runs as administrator: started through Explorer, the
; program runs as the user who logged on instead.
Function StartProgram
  Exec '"$WINDIR\explorer.exe" "$INSTDIR\zarvelon.exe"'
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  !insertmacro FOR_EACH_INSTALLED_FILE INSTALL_FILE
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  CreateShortcut "$SMPROGRAMS\Zarvelon.lnk" "$INSTDIR\zarvelon.exe" "" "$INSTDIR\zarvelon.exe" 0

  ; The entry in the list of installed programs.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Zarvelon"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Zarvelon Project"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zarvelon.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  ; The quiet uninstall returns only once everything is removed, so that a
  ; script may install again right after it. Run in place (_?=), the
  ; uninstaller keeps its own file open to its end: the command interpreter
  ; that waits for it deletes that file, then the folder if it is empty.
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$SYSDIR\cmd.exe" /d /s /c ""$INSTDIR\${UNINSTALLER}" /S _?=$INSTDIR&& del "$INSTDIR\${UNINSTALLER}" && (rmdir "$INSTDIR" 2>nul & exit 0)"'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as the list of programs shows it; the uninstaller included.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
  !insertmacro FOR_EACH_INSTALLED_FILE REMOVE_FILE
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only when empty: whatever a user saved in the folder stays.
  RMDir "$INSTDIR"
  Delete "$SMPROGRAMS\Zarvelon.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
