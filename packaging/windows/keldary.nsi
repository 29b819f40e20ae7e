# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer. tools/windows-package.sh runs makensis with:
#   VERSION   the program's version, e.g. 1.0.0
#   STAGE     the folder holding keldary.exe and the DLLs it loads
#   FILES     an include file that installs (Section) and removes (un.Section)
#             exactly the files of STAGE, written by the same script
#   LICENSE   the licence text shown before installing
#   ICON      the program's icon
#   OUTFILE   the installer to write
# "/S" installs and uninstalls without a question.
# A 64-bit installer for the 64-bit program: it runs where the program runs.
Target amd64-unicode
SetCompressor /SOLID lzma

!include MUI2.nsh
!include x64.nsh

!define APPNAME "Keldary Metals Weight Calculator"
!define PUBLISHER "Keldary"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KeldaryWeightCalculator"

Name "${APPNAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Keldary"
RequestExecutionLevel admin
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APPNAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${APPNAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "2026 The Keldary developers, GPL-3.0-or-later"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

!define FILES_INSTALL
Section "Program"
    SetOutPath "$INSTDIR"
    !include "${FILES}"
    File "/oname=keldary.ico" "${ICON}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\keldary.exe" "" "$INSTDIR\keldary.ico" 0

    WriteRegStr HKLM "${UNINSTKEY}" "DisplayName" "${APPNAME}"
    WriteRegStr HKLM "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\keldary.ico"
    WriteRegStr HKLM "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTKEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTKEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD HKLM "${UNINSTKEY}" "EstimatedSize" $0
SectionEnd
!undef FILES_INSTALL

# Removes the installed files one by one, never the folder's other contents,
# so that an installation into a folder of the user's keeps their files.
Section "Uninstall"
    !include "${FILES}"
    Delete "$INSTDIR\keldary.ico"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${APPNAME}.lnk"
    DeleteRegKey HKLM "${UNINSTKEY}"
SectionEnd
