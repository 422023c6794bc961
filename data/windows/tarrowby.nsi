; The Windows installer: Program Files\Tarrowby, a Start menu entry and an
; uninstaller that removes the installed files and nothing of the user's.
; makensis -DVERSION=1.21 -DSOURCE=<portable folder> -DFILELIST=<Delete lines>
;          -DOUTFILE=<setup.exe> tarrowby.nsi      (scripts/windows.sh package)
; A 64-bit installer for a 64-bit program (and Wine without its 32-bit part)
Target amd64-unicode
SetCompressor /SOLID lzma

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarrowby"

Name "Tarrowby ${VERSION}"
Icon "tarrow.ico"
UninstallIcon "tarrow.ico"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Tarrowby"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Tarrowby"
    SetShellVarContext all
    SetRegView 64
    SetOutPath "$INSTDIR"
    File /r "${SOURCE}\*.*"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Tarrowby.lnk" "$INSTDIR\tarrow.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Tarrowby"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\tarrow.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what was installed goes: a data folder the user kept beside the
; program, and the per-user folders, stay.
Section "Uninstall"
    SetShellVarContext all
    SetRegView 64
    Delete "$SMPROGRAMS\Tarrowby.lnk"
!include "${FILELIST}"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
