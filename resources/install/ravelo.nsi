; The Ravelo setup: a per-machine install into Program Files\Ravelo (the
; 32-bit folder on 64-bit Windows), with Simplified Chinese pages.
;
; makensis -INPUTCHARSET UTF8 -DVERSION=2.8.0 -DFILES=files.nsh -DICON=ravelo.ico
;          -DOUTFILE=Ravelo-2.8.0-setup.exe ravelo.nsi
; FILES is generated from manifest.txt (manifest.py nsis): the files to copy,
; the registry key of the installation and the installed size.
!ifdef TARGET_AMD64
  ; The 64-bit test build (where Wine runs only 64-bit programs) is packed
  ; into a 64-bit setup that installs into the 64-bit Program Files.
  Target amd64-unicode
  !define PROGRAM_FILES "$PROGRAMFILES64"
!else
  Unicode true
  !define PROGRAM_FILES "$PROGRAMFILES"
!endif
; "setup" in the file name makes Windows apply installer detection; a manifest
; that names every supported system and asks for administrator rights tells it
; what the program is.
ManifestSupportedOS all
ManifestDPIAware true
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "${FILES}"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ravelo"
!define UNINSTALLER "bin\uninst.exe"
!define USERS_SID "*S-1-5-32-545"

Name "Ravelo"
OutFile "${OUTFILE}"
InstallDir "${PROGRAM_FILES}\Ravelo"
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
!define MUI_COMPONENTSPAGE_TEXT_TOP "抽签名单、配置和抽签记录默认保留,重新安装后可以继续使用。"
!insertmacro MUI_UNPAGE_COMPONENTS
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

; Exit codes besides 0 (a silent run shows no message): a program of the
; suite is open (2), the setup could not grant the rights saving needs (3),
; the uninstall left files it should have removed (4).
!define EXIT_PROGRAM_OPEN 2
!define EXIT_GRANT_FAILED 3
!define EXIT_CLEANUP_FAILED 4

; Runs icacls on PATH with the rest of its arguments; a failure ends the
; install (GrantFailed) before any file is copied.
!macro ICACLS PATH ARGUMENTS
  nsExec::ExecToLog '"$SYSDIR\icacls.exe" "${PATH}" ${ARGUMENTS}'
  Pop $0
  ${If} $0 != 0
    DetailPrint "icacls ${PATH} ${ARGUMENTS}: $0"
    Call GrantFailed
  ${EndIf}
!macroend

; Users may create files in FOLDER and replace its files, nothing more: no
; folders (and so no junctions), no other change to FOLDER itself, and
; nothing below its subfolders. A save writes a temporary file beside its
; target and replaces the target with it (README, "The setup"):
;   (WD) on the folder alone       create a file in it
;   (OI)(IO)(NP)(W,D) on its files write one's temporary file and append to
;                                  the draw history; the replace needs write
;                                  and delete access to the file it replaces
; Read access comes from Program Files. Earlier setups granted modify rights
; on the folders (and name.txt): those grants go first.
!macro GRANT_SAVING FOLDER
  !insertmacro ICACLS "${FOLDER}" "/remove:g ${USERS_SID}"
  !insertmacro ICACLS "${FOLDER}" "/grant ${USERS_SID}:(WD)"
  !insertmacro ICACLS "${FOLDER}" "/grant ${USERS_SID}:(OI)(IO)(NP)(W,D)"
!macroend

; A program of the suite that is open holds its mark, a named mutex (see
; src/shared/win/running_mark.h): its files could be neither replaced nor
; removed, and a save of its own could undo the uninstall. Setup and
; uninstaller stop before they change anything.
!macro REFUSE_WHILE_OPEN PROGRAM TITLE
  ; SYNCHRONIZE access; a mark that exists but may not be opened counts too.
  System::Call 'kernel32::OpenMutexW(i 0x00100000, i 0, w "Ravelo.${PROGRAM}.running") p.r0 ?e'
  Pop $1
  ${If} $0 P<> 0
    System::Call 'kernel32::CloseHandle(p r0)'
  ${EndIf}
  ${If} $0 P<> 0
  ${OrIf} $1 = 5
    MessageBox MB_ICONEXCLAMATION|MB_OK "${TITLE}(${PROGRAM}.exe)正在运行,请先退出它,然后再试。" /SD IDOK
    SetErrorLevel ${EXIT_PROGRAM_OPEN}
    Abort
  ${EndIf}
!macroend
!macro REFUSE_WHILE_ANY_OPEN
  !insertmacro REFUSE_WHILE_OPEN rvo "Ravelo抽签"
  !insertmacro REFUSE_WHILE_OPEN rvocfg "Ravelo配置程序"
  !insertmacro REFUSE_WHILE_OPEN rvostyle "Ravelo风格编辑"
!macroend

Function .onInit
  !insertmacro REFUSE_WHILE_ANY_OPEN
FunctionEnd

Var CreatedFolder  ; the installation folder did not exist before this run

; Nothing is copied yet: a folder this run made goes again, and an existing
; installation keeps its files as they were.
Function GrantFailed
  SetOutPath "$TEMP"
  ${If} $CreatedFolder == 1
    RMDir "$INSTDIR\common"
    RMDir "$INSTDIR\lists"
    RMDir "$INSTDIR\drawn"
    RMDir "$INSTDIR"
  ${EndIf}
  MessageBox MB_ICONEXCLAMATION|MB_OK "无法设置Ravelo文件夹的访问权限,安装没有完成。" /SD IDOK
  SetErrorLevel ${EXIT_GRANT_FAILED}
  Abort
FunctionEnd

Function StartDrawProgram
  ; From the program folder, as the Start-menu shortcut starts it.
  SetOutPath "$INSTDIR\bin"
  Exec '"$INSTDIR\bin\rvo.exe"'
FunctionEnd

Section "Ravelo" SecProgram
  SectionIn RO
  SetShellVarContext all
  ; The rights first, on the bare folders: files copied later inherit them.
  ; bin\ keeps the read-only rights it inherits from Program Files.
  StrCpy $CreatedFolder 0
  ${IfNot} ${FileExists} "$INSTDIR\*.*"
    StrCpy $CreatedFolder 1
  ${EndIf}
  CreateDirectory "$INSTDIR\common"
  ; The lists and the rounds drawn from them: users may not make folders in
  ; the data root, so they are made here, with the same rights.
  CreateDirectory "$INSTDIR\lists"
  CreateDirectory "$INSTDIR\drawn"
  ${If} ${FileExists} "$INSTDIR\name.txt"
    !insertmacro ICACLS "$INSTDIR\name.txt" "/remove:g ${USERS_SID}"
  ${EndIf}
  !insertmacro GRANT_SAVING "$INSTDIR"
  !insertmacro GRANT_SAVING "$INSTDIR\common"
  !insertmacro GRANT_SAVING "$INSTDIR\lists"
  !insertmacro GRANT_SAVING "$INSTDIR\drawn"

  ; Programs and skin are replaced; name.txt and rvoconfig.rcf only where missing.
  !insertmacro RAVELO_INSTALL_FILES
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

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

; Ticked (or /DELETEDATA=1 on a silent uninstall's command line), the
; operator's name lists (name.txt and lists\), settings, draw history and
; rounds (drawn\) go too.
Section /o "un.同时删除抽签名单、配置和抽签记录" SecDeleteData
  ; rvofilecmd works through filelist.db, which keeps them; purgelist.db lists
  ; them as well.
  Delete "$INSTDIR\bin\filelist.db"
  Rename "$INSTDIR\bin\purgelist.db" "$INSTDIR\bin\filelist.db"
SectionEnd

Function un.onInit
  !insertmacro REFUSE_WHILE_ANY_OPEN
  SetShellVarContext all
  ; The uninstaller lives in bin\; the installation is the folder above it.
  GetFullPathName $INSTDIR "$INSTDIR\.."
  ${GetParameters} $0
  ${GetOptions} $0 "/DELETEDATA=" $1
  ${If} $1 == 1
    SectionSetFlags ${SecDeleteData} ${SF_SELECTED}
  ${EndIf}
FunctionEnd

; rvofilecmd removes what bin\filelist.db lists (the installed files, the
; folders once empty, the installation's registry key); what it cannot
; remove while it runs, and what lies outside the installation, goes here.
; A file the operator added keeps itself and its folders, and so do the
; operator's own files unless SecDeleteData was chosen.
Section "-un.Uninstall"
  StrCpy $R9 0  ; 1: rvofilecmd left something
  ClearErrors
  ExecWait '"$INSTDIR\bin\rvofilecmd.exe"' $0
  ${If} ${Errors}
  ${OrIf} $0 != 0
    DetailPrint "rvofilecmd.exe: $0"
    StrCpy $R9 1
  ${EndIf}
  Delete "$INSTDIR\bin\rvofilecmd.exe"
  Delete "$INSTDIR\${UNINSTALLER}"
  SetOutPath "$TEMP"
  RMDir "$INSTDIR\bin"
  RMDir "$INSTDIR"
  !insertmacro RAVELO_SHORTCUTS DELETE_SHORTCUT
  RMDir "$SMPROGRAMS\Ravelo"
  Delete "$DESKTOP\Ravelo抽签.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  ; The uninstaller is gone with the rest: it says what is left to do by hand.
  ${If} $R9 == 1
    MessageBox MB_ICONEXCLAMATION|MB_OK "有些文件没能删除(可能正在使用或被替换为链接),请检查文件夹 $INSTDIR 并删除剩下的文件。" /SD IDOK
    SetErrorLevel ${EXIT_CLEANUP_FAILED}
    Abort
  ${EndIf}
SectionEnd
