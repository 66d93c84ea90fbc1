; SPDX-License-Identifier: MIT
; SPDX-FileCopyrightText: 2026 The Kelvani developers
;
; The Windows installer, kelvani-VERSION-setup.exe, built by CMake's
; installer target with NSIS. It installs Kelvani for the current user or
; for all users, in the language the user chooses (Kelvani's own,
; Bulgarian, unless another is chosen), with a Start-menu shortcut that
; starts it in that language, an uninstaller and an entry in the system's
; list of installed programs; its pages are in Bulgarian on a Bulgarian
; Windows and in English elsewhere. Silent: /S, with /CurrentUser or
; /AllUsers, and /LANGUAGE=CODE. The files, the version and the languages
; (languages.nsh, made from the translations) come from the command line:
;   makensis -DVERSION=... -DKELVANI=... -DKELVANI_WALK=... -DLICENSE=...
;            -DREADME=... -DLANGUAGES=languages.nsh -DOUTFILE=... kelvani.nsi
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
!include WordFunc.nsh
!include nsDialogs.nsh
!include "${LANGUAGES}"

; The language Kelvani is to speak, as --language takes it ($LANGUAGE is the
; installer's own).
Var KelvaniLanguage
Var LanguageList

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\kelvani.exe"
!define MUI_FINISHPAGE_RUN_PARAMETERS "--language $KelvaniLanguage"
!insertmacro MUI_PAGE_LICENSE "${LICENSE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
Page custom LanguagePage LanguagePageLeave
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

LangString LanguageTitle ${LANG_ENGLISH} "Kelvani's language"
LangString LanguageSubtitle ${LANG_ENGLISH} "Choose the language Kelvani speaks."
LangString LanguageText ${LANG_ENGLISH} "The Start-menu shortcut starts Kelvani in this language:"
LangString UnknownLanguage ${LANG_ENGLISH} "Kelvani does not speak that language. It speaks:"
LangString LanguageTitle ${LANG_BULGARIAN} "Език на Kelvani"
LangString LanguageSubtitle ${LANG_BULGARIAN} "Изберете езика, на който да говори Kelvani."
LangString LanguageText ${LANG_BULGARIAN} "Прекият път в менюто „Старт“ стартира Kelvani на този език:"
LangString UnknownLanguage ${LANG_BULGARIAN} "Kelvani не говори този език. Говори:"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "Kelvani"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "Kelvani ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "© 2026 The Kelvani developers, MIT licence"

; $0: a language's code, in any case; out: $0 as Kelvani spells it, or
; empty when Kelvani does not speak it.
Function FindLanguage
    Push $1
    Push $2
    StrCpy $1 1
    loop:
        ClearErrors
        ${WordFind} "${KELVANI_LANGUAGE_CODES}" " " "E+$1" $2
        IfErrors unknown
        StrCmp $0 $2 found ; StrCmp ignores case
        IntOp $1 $1 + 1
        Goto loop
    found:
        StrCpy $0 $2
        Goto done
    unknown:
        StrCpy $0 ""
    done:
    Pop $2
    Pop $1
FunctionEnd

Function .onInit
    !insertmacro MULTIUSER_INIT
    ; Kelvani's own language unless /LANGUAGE=CODE asks for another; one it
    ; does not speak ends the installer, with status 2, before anything is done.
    ${WordFind} "${KELVANI_LANGUAGE_CODES}" " " "+1" $KelvaniLanguage
    ${GetParameters} $R0
    ClearErrors
    ${GetOptions} $R0 "/LANGUAGE=" $0
    IfErrors asked
    Call FindLanguage
    StrCmp $0 "" 0 known
    IfSilent +2
    MessageBox MB_OK|MB_ICONSTOP "$(UnknownLanguage) ${KELVANI_LANGUAGE_CODES}"
    SetErrorLevel 2
    Quit
    known:
    StrCpy $KelvaniLanguage $0
    asked:
FunctionEnd

Function LanguagePage
    !insertmacro MUI_HEADER_TEXT "$(LanguageTitle)" "$(LanguageSubtitle)"
    nsDialogs::Create 1018
    Pop $0
    ${NSD_CreateLabel} 0 0 100% 20u "$(LanguageText)"
    Pop $0
    ${NSD_CreateListBox} 0 24u 100% 110u ""
    Pop $LanguageList
    !insertmacro KelvaniLanguageNames $LanguageList
    ; The language chosen so far, selected.
    StrCpy $1 0
    loop:
        IntOp $2 $1 + 1
        ClearErrors
        ${WordFind} "${KELVANI_LANGUAGE_CODES}" " " "E+$2" $3
        IfErrors shown
        StrCmp $3 $KelvaniLanguage 0 +3
            SendMessage $LanguageList ${LB_SETCURSEL} $1 0
            Goto shown
        StrCpy $1 $2
        Goto loop
    shown:
    ${NSD_SetFocus} $LanguageList ; the arrows choose at once; Enter goes on
    nsDialogs::Show
FunctionEnd

Function LanguagePageLeave
    SendMessage $LanguageList ${LB_GETCURSEL} 0 0 $0
    IntCmp $0 0 0 done
    IntOp $0 $0 + 1
    ${WordFind} "${KELVANI_LANGUAGE_CODES}" " " "+$0" $KelvaniLanguage
    done:
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
    CreateShortcut "$SMPROGRAMS\Kelvani.lnk" "$INSTDIR\kelvani.exe" "--language $KelvaniLanguage"

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
    Delete "$SMPROGRAMS\Kelvani (English).lnk" ; made by versions before the choice of language
    Delete "$INSTDIR\kelvani.exe"
    Delete "$INSTDIR\kelvani-walk.exe"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
