; The Ravelo setup: a per-machine install into Program Files\Ravelo (the
; 32-bit folder on 64-bit Windows), with Simplified Chinese pages.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=2.8.0 -DFILES=files.nsh -DICON=ravelo.ico
;          -DOUTFILE=Ravelo-2.8.0-setup.exe ravelo.nsi
; FILES is generated from manifest.txt (manifest.py nsis): the files to copy,
; the registry key of the installation and the installed size.
Unicode true
; "setup" in the file name makes Windows apply installer detection; a manifest
; that names every supported system and asks for administrator rights tells it
; what the program is.
ManifestSupportedOS all
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ravelo"
!define UNINSTALLER "bin\uninst.exe"
!define USERS_SID "*S-1-5-32-545"

Name "Ravelo"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES\Ravelo"
InstallDirRegKey HKLM "${RAVELO_REGISTRY_KEY}" "InstallDir"
BrandingText "Ravelo ${VERSION}"
ShowInstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
; The usual order: what to install, then where.
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
; The finish page offers to start the draw program, ticked.
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "运行Ravelo抽签"
!define MUI_FINISHPAGE_RUN_FUNCTION StartDrawProgram
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductName" "Ravelo"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "CompanyName" "Ravelo"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileDescription" "Ravelo 安装程序"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SIMPCHINESE} "LegalCopyright" "Ravelo"

; The Start-menu shortcuts: name, then target below the installation folder.
!macro RAVELO_SHORTCUTS DO
  !insertmacro ${DO} "Ravelo抽签" "bin\rvo.exe"
  !insertmacro ${DO} "Ravelo配置程序" "bin\rvocfg.exe"
  !insertmacro ${DO} "Ravelo风格编辑" "bin\rvostyle.exe"
  !insertmacro ${DO} "Ravelo使用帮助" "bin\rvohelp.chm"
  !insertmacro ${DO} "卸载Ravelo" "${UNINSTALLER}"
!macroend
!macro CREATE_SHORTCUT NAME TARGET
  CreateShortcut "$SMPROGRAMS\Ravelo\${NAME}.lnk" "$INSTDIR\${TARGET}"
!macroend
!macro DELETE_SHORTCUT NAME TARGET
  Delete "$SMPROGRAMS\Ravelo\${NAME}.lnk"
!macroend

; Grants the built-in Users group modify rights (icacls syntax), so that an
; ordinary user can save the name list and the settings.
!macro GRANT_USERS PATH RIGHTS
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "${PATH}" /grant ${USERS_SID}:${RIGHTS}'
  Pop $0
  StrCmp $0 "0" +2
    DetailPrint "icacls ${PATH}: $0"
!macroend

; A running draw window holds rvo.exe open: neither an install over it nor an
; uninstall could replace or remove it. Both stop before they change anything
; (exit code 2 when silent).
!macro REFUSE_WHILE_DRAWING
  FindWindow $0 "RaveloDrawWindow"
  StrCmp $0 0 +4
    MessageBox MB_ICONEXCLAMATION|MB_OK "Ravelo抽签程序正在运行,请先退出它,然后再试。" /SD IDOK
    SetErrorLevel 2
    Abort
!macroend

Function .onInit
  !insertmacro REFUSE_WHILE_DRAWING
FunctionEnd

Function StartDrawProgram
  ; From the program folder, as the Start-menu shortcut starts it.
  SetOutPath "$INSTDIR\bin"
  Exec '"$INSTDIR\bin\rvo.exe"'
FunctionEnd

Section "Ravelo" SecProgram
  SectionIn RO
  SetShellVarContext all
  ; Programs and skin are replaced; name.txt and rvoconfig.rcf only where missing.
  !insertmacro RAVELO_INSTALL_FILES
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  ; A save writes a temporary file beside its target and replaces the target
  ; with it: Users may create files in the data root and change name.txt
  ; there, and may change everything in common\. bin\ keeps the read-only
  ; rights it inherits from Program Files.
  !insertmacro GRANT_USERS "$INSTDIR" "(M)"
  !insertmacro GRANT_USERS "$INSTDIR\name.txt" "(M)"
  !insertmacro GRANT_USERS "$INSTDIR\common" "(OI)(CI)(M)"

  WriteRegStr HKLM "${RAVELO_REGISTRY_KEY}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Ravelo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Ravelo"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\rvo.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" ${RAVELO_FILES_KB}
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1

  ; Shortcuts start their program in the program folder.
  SetOutPath "$INSTDIR\bin"
  CreateDirectory "$SMPROGRAMS\Ravelo"
  !insertmacro RAVELO_SHORTCUTS CREATE_SHORTCUT
SectionEnd

Section "桌面快捷方式" SecDesktop
  SetShellVarContext all
  SetOutPath "$INSTDIR\bin"
  CreateShortcut "$DESKTOP\Ravelo抽签.lnk" "$INSTDIR\bin\rvo.exe"
SectionEnd

Function un.onInit
  !insertmacro REFUSE_WHILE_DRAWING
  SetShellVarContext all
  ; The uninstaller lives in bin\; the installation is the folder above it.
  GetFullPathName $INSTDIR "$INSTDIR\.."
FunctionEnd

; rvofilecmd removes what bin\filelist.db lists (every installed file, the
; folders once empty, the installation's registry key); what it cannot
; remove while it runs, and what lies outside the installation, goes here.
; A file the operator added keeps itself and its folders.
Section "Uninstall"
  ExecWait '"$INSTDIR\bin\rvofilecmd.exe"'
  Delete "$INSTDIR\bin\rvofilecmd.exe"
  Delete "$INSTDIR\${UNINSTALLER}"
  SetOutPath "$TEMP"
  RMDir "$INSTDIR\bin"
  RMDir "$INSTDIR"
  !insertmacro RAVELO_SHORTCUTS DELETE_SHORTCUT
  RMDir "$SMPROGRAMS\Ravelo"
  Delete "$DESKTOP\Ravelo抽签.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
