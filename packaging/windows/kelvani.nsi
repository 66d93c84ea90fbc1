; SPDX-License-Identifier: MIT
; SPDX-FileCopyrightText: 2026 The Kelvani developers
;
; The Windows installer, kelvani-VERSION-setup.exe, built by CMake's
; installer target with NSIS. It installs Kelvani for the current user or
; for all users, with a Start-menu shortcut, an uninstaller and an entry in
; the system's list of installed programs, and a second shortcut that
; starts Kelvani in English; its pages are in Bulgarian on a Bulgarian
; Windows and in English elsewhere. Silent: /S, with /CurrentUser
; or /AllUsers. The files and the version come from the command line:
;   makensis -DVERSION=... -DKELVANI=... -DKELVANI_WALK=... -DLICENSE=...
;            -DREADME=... -DOUTFILE=... kelvani.nsi
Unicode true
SetCompressor /SOLID lzma
; The files keep no build time inside the installer, so that the same
; sources make the same installer; installed, they carry the install's.
SetDateSave off
Name "Kelvani"
OutFile "${OUTFILE}"
BrandingText "Kelvani ${VERSION}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Kelvani"
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_INSTDIR "Kelvani"
!define MULTIUSER_USE_PROGRAMFILES64
!include MultiUser.nsh
!include MUI2.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kelvani.exe"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; The first language is the one for systems in neither.
!insertmacro MUI_LANGUAGE "English"
; NSIS's Bulgarian lacks the texts of the page that asks for whom to install.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Избор на потребители"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Изберете за кои потребители да се инсталира $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP "Изберете дали да инсталирате $(^NameDA) само за себе си или за всички потребители на този компютър. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "Инсталиране за всички потребители на този компютър"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Инсталиране само за мен"
!insertmacro MUI_LANGUAGE "Bulgarian"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Kelvani"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Kelvani ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© 2026 The Kelvani developers, MIT licence"

Function .onInit
    !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section
    SetOutPath "$INSTDIR"
    File "/oname=kelvani.exe" "${KELVANI}"
    File "/oname=kelvani-walk.exe" "${KELVANI_WALK}"
    File "/oname=LICENSE.txt" "${LICENSE}"
    File "/oname=README.txt" "${README}"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Kelvani.lnk" "$INSTDIR\kelvani.exe"
    CreateShortcut "$SMPROGRAMS\Kelvani (English).lnk" "$INSTDIR\kelvani.exe" "--language en"

    ; SHCTX: HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE, as the install mode is.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "Kelvani"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "The Kelvani developers"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\kelvani.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "https://www.example.org/"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S /$MultiUser.InstallMode'
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    Delete "$SMPROGRAMS\Kelvani.lnk"
    Delete "$SMPROGRAMS\Kelvani (English).lnk"
    Delete "$INSTDIR\kelvani.exe"
    Delete "$INSTDIR\kelvani-walk.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
