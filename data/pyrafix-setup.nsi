; The installer of Pyrafix Pro and its uninstaller, for every user of the machine.
; The build (cmake/dist.cmake) defines OUTFILE, RELEASE_FILES (an include with the
; macros InstallReleaseFiles and RemoveReleaseFiles), DISPLAY_VERSION, VERSION_MAJOR
; and ICON.
;
;   pyrafix-setup.exe [/S] [/D=FOLDER]           /S installs silently
;   uninstall.exe [/S] [/REMOVEQUARANTINE]       the quarantine stays unless the user
;                                                says yes to the question or gives
;                                                /REMOVEQUARANTINE; /S keeps it

Unicode true
; The programs are x64, and the x86 stub would need a 32-bit Wine besides.
Target amd64-unicode
SetCompressor /SOLID lzma

!include LogicLib.nsh
!include FileFunc.nsh
!include MUI2.nsh

!define PRODUCT "Pyrafix Pro"
!define PUBLISHER "Zentrova"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Pyrafix Pro"
!define START_MENU "$SMPROGRAMS\${PRODUCT}"
; The Explorer verb, for files and for folders.
!define VERB "ScanWithPyrafixPro"
!define VERB_TEXT "Scan with Pyrafix Pro"
!define FILE_VERB_KEY "Software\Classes\*\shell\${VERB}"
!define FOLDER_VERB_KEY "Software\Classes\Directory\shell\${VERB}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\pyrafix.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!include "${RELEASE_FILES}"

Var RemoveQuarantine

Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
  StrCpy $RemoveQuarantine 0
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/REMOVEQUARANTINE" $1
  ${IfNot} ${Errors}
    StrCpy $RemoveQuarantine 1
  ${EndIf}
FunctionEnd

Section "Install"
  !insertmacro InstallReleaseFiles
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateDirectory "${START_MENU}"
  CreateShortcut "${START_MENU}\${PRODUCT}.lnk" "$INSTDIR\pyrafix.exe"

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${DISPLAY_VERSION}"
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "VersionMajor" ${VERSION_MAJOR}
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\pyrafix.exe,0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as Add or Remove Programs reads it.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  WriteRegStr HKLM "${FILE_VERB_KEY}" "" "${VERB_TEXT}"
  WriteRegStr HKLM "${FILE_VERB_KEY}" "Icon" "$INSTDIR\pyrafix.exe,0"
  WriteRegStr HKLM "${FILE_VERB_KEY}\command" "" '"$INSTDIR\pyrafixc.exe" scan-files --pause "%1"'
  WriteRegStr HKLM "${FOLDER_VERB_KEY}" "" "${VERB_TEXT}"
  WriteRegStr HKLM "${FOLDER_VERB_KEY}" "Icon" "$INSTDIR\pyrafix.exe,0"
  WriteRegStr HKLM "${FOLDER_VERB_KEY}\command" "" '"$INSTDIR\pyrafixc.exe" scan-files --pause "%1"'
SectionEnd

Section "Uninstall"
  ; The quarantine holds the user's files: it goes only when the user says so.
  ${If} $RemoveQuarantine == 0
    ${If} ${FileExists} "$INSTDIR\Quarantine\*.*"
    ${OrIf} ${FileExists} "$INSTDIR\Quarantine.info"
      MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
        "Delete the quarantine too?$\r$\n$\r$\nThe files Pyrafix Pro moved into its quarantine can no longer be restored once it is deleted. Answer No to keep the folder $\"$INSTDIR\Quarantine$\"." \
        /SD IDNO IDNO keep_quarantine
      StrCpy $RemoveQuarantine 1
      keep_quarantine:
    ${EndIf}
  ${EndIf}

  !insertmacro RemoveReleaseFiles
  ; What the program writes beside itself for its own use: the update check's pages and
  ; downloads, the upgrade's new program, the log it uploads.
  Delete "$INSTDIR\list.htm"
  Delete "$INSTDIR\Upd.dat"
  Delete "$INSTDIR\filess.dat"
  Delete "$INSTDIR\pyrxt.exe"
  Delete "$INSTDIR\SendLog.txt"
  Delete "$INSTDIR\*.sig"
  ${If} $RemoveQuarantine == 1
    RMDir /r "$INSTDIR\Quarantine"
    Delete "$INSTDIR\Quarantine.info"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: a kept quarantine or a report the user made stays.
  RMDir "$INSTDIR"

  Delete "${START_MENU}\${PRODUCT}.lnk"
  RMDir "${START_MENU}"
  DeleteRegKey HKLM "${FILE_VERB_KEY}"
  DeleteRegKey HKLM "${FOLDER_VERB_KEY}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
