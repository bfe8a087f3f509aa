; SPDX-FileCopyrightText: 2026 The Poolwright developers
; SPDX-License-Identifier: GPL-3.0-or-later
; The installer of Poolwright 1.0.0, as it was released, kept to test upgrades from it: it gave
; the Users group full control of the settings key. tools/windows-test makes it with
;   makensis -DOUTFILE=... -DEXE=poolwright.exe -DICO=poolwright.ico -DREADME=README.txt
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define NAME "Poolwright"
!define VERSION "1.0.0"
!define PUBLISHER "The Poolwright developers"
!define SETTINGS_KEY "SOFTWARE\Poolwright"
!define UNINSTALL_KEY "SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall\Poolwright"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${NAME} ${VERSION}"

VIProductVersion "1.0.0.0"
VIAddVersionKey "ProductName" "${NAME}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${NAME} ${VERSION} Setup"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICO}"
!define MUI_UNICON "${ICO}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\poolwright.exe"
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "Poolwright"
    SetRegView 64
    SetOutPath "$INSTDIR"
    File "${EXE}"
    File "/oname=README.txt" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    SetShellVarContext all
    CreateDirectory "$SMPROGRAMS\${NAME}"
    CreateShortcut "$SMPROGRAMS\${NAME}\${NAME}.lnk" "$INSTDIR\poolwright.exe" "" \
        "$INSTDIR\poolwright.exe" 0

    ; The settings live under HKEY_LOCAL_MACHINE, which only administrators may change. The
    ; installer runs elevated, so it creates the program's key and gives the Users group full
    ; access to it (the program opens the key with KEY_ALL_ACCESS); the values a user saved
    ; before are kept. -2147483646 is HKEY_LOCAL_MACHINE as a 64-bit handle.
    System::Call 'advapi32::RegCreateKeyExW(p -2147483646, w "${SETTINGS_KEY}\Defaults", i 0, p 0, i 0, i 0xF003F, p 0, *p .r1, *i .r2) i .r0'
    ${If} $0 = 0
        System::Call 'advapi32::RegCloseKey(p r1)'
        ; Users: full control of the key and of the keys under it ("KA", inherited by them).
        ; The DACL is unprotected, so what the key inherits from SOFTWARE is kept beside it.
        System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "D:(A;OICI;KA;;;BU)", i 1, *p .r3, p 0) i .r0'
        ${If} $0 <> 0
            System::Call 'advapi32::GetSecurityDescriptorDacl(p r3, *i .r4, *p .r5, *i .r6) i .r0'
            ; SE_REGISTRY_KEY (4); DACL_SECURITY_INFORMATION | UNPROTECTED_DACL_SECURITY_INFORMATION.
            ; Windows hands the entry on to Defaults; it is set there too for systems that do not.
            System::Call 'advapi32::SetNamedSecurityInfoW(w "MACHINE\${SETTINGS_KEY}", i 4, i 0x20000004, p 0, p 0, p r5, p 0) i .r0'
            ${If} $0 = 0
                System::Call 'advapi32::SetNamedSecurityInfoW(w "MACHINE\${SETTINGS_KEY}\Defaults", i 4, i 0x20000004, p 0, p 0, p r5, p 0) i .r0'
            ${EndIf}
            System::Call 'kernel32::LocalFree(p r3)'
        ${Else}
            StrCpy $0 "-1"
        ${EndIf}
    ${EndIf}
    ${If} $0 <> 0
        DetailPrint "Could not open the settings key to all users (error $0): saving will need administrator rights."
    ${EndIf}

    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\poolwright.exe,0"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    IntFmt $0 "0x%08X" $0
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "Uninstall"
    SetRegView 64
    Delete "$INSTDIR\poolwright.exe"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${NAME}\${NAME}.lnk"
    RMDir "$SMPROGRAMS\${NAME}"
    ; The saved defaults go with the program.
    DeleteRegKey HKLM "${SETTINGS_KEY}"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
