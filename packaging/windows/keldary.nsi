# SPDX-FileCopyrightText: 2026 The Keldary developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer. tools/windows-package.sh runs makensis with:
#   VERSION   the program's version, e.g. 1.0.0
#   STAGE     the folder holding keldary.exe, the DLLs it loads, the README
#             and the licences
#   FILES     an include file that installs (Section) and removes (un.Section)
#             exactly the files of STAGE, written by the same script
#   LICENSE   the licence text shown before installing
#   ICON      the program's icon
#   OUTFILE   the installer to write
#
# For whom: started without administrator rights it installs for the current
# user alone (%LOCALAPPDATA%\Programs\Keldary, the user's Start menu and
# installed programs); started as administrator, for all users (Program
# Files\Keldary). "/CurrentUser" and "/AllUsers" choose; a version already
# installed keeps its choice and its folder, and is replaced in place. "/D="
# names the folder. "/S" installs and uninstalls without a question.
# Exit code 2: refused (the program runs, or rights are missing).
# A 64-bit installer for the 64-bit program: it runs where the program runs.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
# No elevation asked for: an administrator's installation for all users is
# started as administrator.
RequestExecutionLevel user

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define APPNAME "Keldary Metals Weight Calculator"
!define PUBLISHER "Keldary"
!define UNINSTKEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\KeldaryWeightCalculator"
!define EXE "keldary.exe"

Name "${APPNAME}"
OutFile "${OUTFILE}"
BrandingText "${APPNAME} ${VERSION}"
# No InstallDir: $INSTDIR is empty in .onInit unless /D= named the folder.
VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${APPNAME}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${APPNAME} Setup"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "LegalCopyright" "2026 The Keldary developers, GPL-3.0-or-later"

# 1 for all users, 0 for the current user.
Var AllUsers
# The folder of the installation this one replaces, or empty.
Var Earlier

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE}"
!define MUI_FINISHPAGE_RUN_TEXT "Run Keldary"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

# Ends with exit code 2 after saying why (the silent form only ends).
!macro REFUSE TEXT
    MessageBox MB_OK|MB_ICONSTOP "${TEXT}" /SD IDOK
    SetErrorLevel 2
    Quit
!macroend

!macro NEED_ADMIN TEXT
    UserInfo::GetAccountType
    Pop $R9
    ${If} $R9 != "Admin"
        !insertmacro REFUSE "${TEXT}"
    ${EndIf}
!macroend

# Waits while the program of a folder runs: Windows does not open a running
# program's file for writing. Retry looks again; Cancel (the silent form's
# answer) ends with exit code 2 and nothing changed.
!macro WAIT_UNTIL_CLOSED PREFIX
Function ${PREFIX}waitUntilClosed # the folder, on the stack
    Exch $0
    Push $1
    ${If} ${FileExists} "$0\${EXE}"
        ${Do}
            ClearErrors
            FileOpen $1 "$0\${EXE}" a
            ${IfNot} ${Errors}
                FileClose $1
                ${Break}
            ${EndIf}
            MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
                "${APPNAME} is open, from$\r$\n$0$\r$\n$\r$\nClose it, then press Retry." /SD IDCANCEL IDRETRY retry
            SetErrorLevel 2
            Quit
            retry:
        ${Loop}
    ${EndIf}
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro WAIT_UNTIL_CLOSED ""
!insertmacro WAIT_UNTIL_CLOSED "un."

Function .onInit
    SetRegView 64
    ${GetParameters} $R0
    StrCpy $AllUsers ""
    ClearErrors
    ${GetOptions} $R0 "/AllUsers" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 1
    ${EndIf}
    ClearErrors
    ${GetOptions} $R0 "/CurrentUser" $R1
    ${IfNot} ${Errors}
        StrCpy $AllUsers 0
    ${EndIf}
    # Without a switch: as the installed version was installed, else for all
    # users when started as administrator.
    ${If} $AllUsers == ""
        ReadRegStr $R1 HKCU "${UNINSTKEY}" "InstallLocation"
        ReadRegStr $R2 HKLM "${UNINSTKEY}" "InstallLocation"
        UserInfo::GetAccountType
        Pop $R3
        ${If} $R1 != ""
            StrCpy $AllUsers 0
        ${ElseIf} $R2 != ""
        ${OrIf} $R3 == "Admin"
            StrCpy $AllUsers 1
        ${Else}
            StrCpy $AllUsers 0
        ${EndIf}
    ${EndIf}

    ${If} $AllUsers == 1
        !insertmacro NEED_ADMIN "Installing ${APPNAME} for all users needs administrator rights: start the installer as administrator, or with /CurrentUser for yourself alone."
        SetShellVarContext all
        ReadRegStr $Earlier HKLM "${UNINSTKEY}" "InstallLocation"
        StrCpy $R1 "$PROGRAMFILES64\Keldary"
    ${Else}
        SetShellVarContext current
        ReadRegStr $Earlier HKCU "${UNINSTKEY}" "InstallLocation"
        StrCpy $R1 "$LOCALAPPDATA\Programs\Keldary"
    ${EndIf}
    # The folder: /D= first, then the installed version's, then the default.
    ${If} $INSTDIR == ""
        ${If} $Earlier != ""
            StrCpy $INSTDIR $Earlier
        ${Else}
            StrCpy $INSTDIR $R1
        ${EndIf}
    ${EndIf}
    ${If} $Earlier != ""
        Push $Earlier
        Call waitUntilClosed
    ${EndIf}
FunctionEnd

!define FILES_INSTALL
Section "Program"
    # Once more: the program may have been started since the first page.
    ${If} $Earlier != ""
        Push $Earlier
        Call waitUntilClosed
    ${EndIf}
    Push $INSTDIR
    Call waitUntilClosed
    # The installed version goes first, through its own uninstaller, which
    # knows its files, its shortcut and its entry; "_?=" keeps it in place
    # and waits for it.
    ${If} $Earlier != ""
    ${AndIf} ${FileExists} "$Earlier\uninstall.exe"
        DetailPrint "Removing the installed version from $Earlier"
        ExecWait '"$Earlier\uninstall.exe" /S _?=$Earlier' $R1
        ${If} $R1 != 0
            !insertmacro REFUSE "The installed version in $Earlier could not be removed."
        ${EndIf}
        Delete "$Earlier\uninstall.exe"
        RMDir "$Earlier"
    ${EndIf}

    SetOutPath "$INSTDIR"
    !include "${FILES}"
    File "/oname=keldary.ico" "${ICON}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${APPNAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\keldary.ico" 0

    # SHCTX: HKLM for all users, HKCU for the current user.
    WriteRegStr SHCTX "${UNINSTKEY}" "DisplayName" "${APPNAME}"
    WriteRegStr SHCTX "${UNINSTKEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTKEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTKEY}" "DisplayIcon" "$INSTDIR\keldary.ico"
    WriteRegStr SHCTX "${UNINSTKEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTKEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr SHCTX "${UNINSTKEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD SHCTX "${UNINSTKEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTKEY}" "NoRepair" 1
    SectionGetSize 0 $0
    WriteRegDWORD SHCTX "${UNINSTKEY}" "EstimatedSize" $0
SectionEnd
!undef FILES_INSTALL

Function un.onInit
    SetRegView 64
    # Installed for all users when the all-users entry names this folder.
    ReadRegStr $R1 HKLM "${UNINSTKEY}" "InstallLocation"
    ${If} $R1 == $INSTDIR
        !insertmacro NEED_ADMIN "${APPNAME} was installed for all users: removing it needs administrator rights."
        SetShellVarContext all
    ${Else}
        SetShellVarContext current
    ${EndIf}
    Push $INSTDIR
    Call un.waitUntilClosed
FunctionEnd

# Removes the installed files one by one, never the folder's other contents,
# so that an installation into a folder of the user's keeps their files.
Section "Uninstall"
    !include "${FILES}"
    Delete "$INSTDIR\keldary.ico"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${APPNAME}.lnk"
    DeleteRegKey SHCTX "${UNINSTKEY}"
SectionEnd
