; The installer of wellenzeiger for Windows: for the user who runs it, without
; administrator rights, into %LOCALAPPDATA%\Programs\Wellenzeiger, with a
; Start-menu entry, an entry in Windows' list of installed programs and an
; uninstaller that removes what was installed. scripts/windows-package runs
; makensis with VERSION, SOURCE (the program's folder), FILES (the list of
; that folder's files and folders for the uninstaller) and OUTFILE defined.
; A 64-bit installer, like the program: it runs under a 64-bit wine alone too.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Wellenzeiger"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\wellenzeiger"

Name "${PRODUCT}"
BrandingText "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1031 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1031 "FileDescription" "${PRODUCT} ${VERSION} installieren"
VIAddVersionKey /LANG=1031 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1031 "LegalCopyright" "GPL-3.0-or-later"

!include "MUI2.nsh"
!define MUI_ICON "${SOURCE}\wellenzeiger.ico"
!define MUI_UNICON "${SOURCE}\wellenzeiger.ico"
!define MUI_LICENSEPAGE_TEXT_TOP "Wellenzeiger ist freie Software unter der GNU General Public License, Version 3 oder später."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Die Lizenz verlangt keine Zustimmung zur Benutzung; sie regelt Weitergabe und Änderung."
!define MUI_LICENSEPAGE_BUTTON "&Weiter >"
!define MUI_FINISHPAGE_RUN "$INSTDIR\wellenzeiger.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Wellenzeiger jetzt starten"
!insertmacro MUI_PAGE_LICENSE "${SOURCE}\COPYING.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

Section
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\wellenzeiger.exe" "" \
        "$INSTDIR\wellenzeiger.ico" 0 SW_SHOWNORMAL "" "Lehrprogramm zur Physik der Wellen"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\wellenzeiger.ico"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Die Entwickler von wellenzeiger"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

; Only what the installer put there: files the user left in the folder stay,
; and so does the folder then.
Section "Uninstall"
    !include "${FILES}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
