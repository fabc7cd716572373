; The Windows installer of 四星缩水: per-user, without administrator rights, into
; %LOCALAPPDATA%\Programs\Shrink4, with a Start menu entry, an uninstaller and, if chosen,
; .json schemes opening in the program. ./dev windows runs
;   makensis -DVERSION=x.y.z -DSOURCE_DIR=<deployed folder> -DOUT_FILE=<setup.exe> shrink4.nsi
Unicode true
; A 64-bit installer for 64-bit programs; it also runs where only 64-bit Windows programs
; can (wine without its 32-bit half).
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define APP_NAME "四星缩水"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Shrink4"
!define PROG_ID "Shrink4.Scheme"
!define SHCNE_ASSOCCHANGED 0x08000000

Name "${APP_NAME} ${VERSION}"
OutFile "${OUT_FILE}"
InstallDir "$LOCALAPPDATA\Programs\Shrink4"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP_NAME} ${VERSION}"

; Relative to this script: makensis works in its folder.
!define MUI_ICON "shrink4.ico"
!define MUI_UNICON "shrink4.ico"
!define MUI_FINISHPAGE_RUN "$INSTDIR\shrink4.exe"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

Section "四星缩水（必需）" SecProgram
    SectionIn RO
    SetOutPath "$INSTDIR"
    File /r "${SOURCE_DIR}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortCut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\shrink4.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\shrink4.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Shrink4 developers"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Offered, not chosen: .json files belong to many programs. Chosen, 四星缩水 joins the
; "打开方式" list of .json files, and opens them by default only where no program did.
Section /o "用四星缩水打开 .json 方案文件" SecAssociate
    WriteRegStr HKCU "Software\Classes\${PROG_ID}" "" "四星缩水方案"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\DefaultIcon" "" "$INSTDIR\shrink4.exe,0"
    WriteRegStr HKCU "Software\Classes\${PROG_ID}\shell\open\command" "" '"$INSTDIR\shrink4.exe" "%1"'
    WriteRegStr HKCU "Software\Classes\.json\OpenWithProgids" "${PROG_ID}" ""
    ReadRegStr $0 HKCU "Software\Classes\.json" ""
    StrCmp $0 "" 0 +2
        WriteRegStr HKCU "Software\Classes\.json" "" "${PROG_ID}"
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd

!insertmacro MUI_FUNCTION_DESCRIPTION_BEGIN
    !insertmacro MUI_DESCRIPTION_TEXT ${SecProgram} "程序、Qt 运行库和开始菜单中的“四星缩水”。"
    !insertmacro MUI_DESCRIPTION_TEXT ${SecAssociate} "双击 .json 方案文件时用四星缩水打开（已有默认程序的不改）。"
!insertmacro MUI_FUNCTION_DESCRIPTION_END

; The program's files only: conditions, draws and settings under AppData stay for a later
; installation.
Section "Uninstall"
    Delete "$SMPROGRAMS\${APP_NAME}.lnk"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\translations"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\shrink4.exe"
    Delete "$INSTDIR\shrink4-cli.exe"
    Delete "$INSTDIR\qt.conf"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    ReadRegStr $0 HKCU "Software\Classes\.json" ""
    StrCmp $0 "${PROG_ID}" 0 +2
        DeleteRegValue HKCU "Software\Classes\.json" ""
    DeleteRegValue HKCU "Software\Classes\.json\OpenWithProgids" "${PROG_ID}"
    DeleteRegKey HKCU "Software\Classes\${PROG_ID}"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
    System::Call 'shell32::SHChangeNotify(i ${SHCNE_ASSOCCHANGED}, i 0, p 0, p 0)'
SectionEnd
