; Installer of Quorvane: a per-user install that needs no administrator rights, so that
; AutoUpdate.EXE, running as the user, can replace the files at the next update.
;
; makensis -DVERSION=1.01 -DSTAGE=<folder of the files> -DOUTFILE=<setup.exe>
;          -DICON=<quorvane.ico> [-DTARGET=amd64-unicode] Quorvane.nsi
;
; Silent use: setup.exe /S [/D=<folder>]           (/D= last, unquoted)
;             uninstall.exe /S [/KEEPSETTINGS=0]    (0 also removes the user's settings)

!ifndef VERSION | STAGE | OUTFILE | ICON
  !error "VERSION, STAGE, OUTFILE and ICON must be defined"
!endif
!ifndef TARGET
  !define TARGET x86-unicode
!endif

Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Quorvane"
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quorvane"
!define RUN_KEY "SoftWare\Microsoft\Windows\CurrentVersion\Run"
!define EMULATION_KEY "Software\Microsoft\Internet Explorer\Main\FeatureControl\FEATURE_BROWSER_EMULATION"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include Sections.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quorvane.exe"
!define MUI_UNCOMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"

LangString AppRunning ${LANG_ENGLISH} "Quorvane is running. Quit it (right-click its icon in the notification area, then Exit) and click Retry."
LangString AppRunning ${LANG_FRENCH} "Quorvane est en cours d'exécution. Quittez-le (clic droit sur son icône de la zone de notification, puis Quitter) et cliquez sur Réessayer."
LangString FilesNotWritten ${LANG_ENGLISH} "Some files of Quorvane could not be written. Quorvane may still be running: quit it and run the installation again."
LangString FilesNotWritten ${LANG_FRENCH} "Certains fichiers de Quorvane n'ont pas pu être écrits. Quorvane est peut-être encore en cours d'exécution : quittez-le et relancez l'installation."
LangString UnProgram ${LANG_ENGLISH} "Quorvane"
LangString UnProgram ${LANG_FRENCH} "Quorvane"
LangString UnSettings ${LANG_ENGLISH} "My settings, search history and monitored pages"
LangString UnSettings ${LANG_FRENCH} "Mes réglages, mon historique de recherche et mes pages surveillées"

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT} ${VERSION} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${PRODUCT}"

; The program's main window has the class "Quorvane". Its files cannot be replaced or
; removed while it runs; in silent mode there is nobody to ask, so the run fails.
!macro WAIT_FOR_PROGRAM
  ${DoWhile} 1 = 1
    FindWindow $0 "Quorvane"
    ${If} $0 = 0
      ${Break}
    ${EndIf}
    MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(AppRunning)" /SD IDCANCEL IDRETRY +3
    SetErrorLevel 3
    Quit
  ${Loop}
!macroend

Function .onInit
  !insertmacro WAIT_FOR_PROGRAM
FunctionEnd

Section "Quorvane" SecProgram
  SectionIn RO
  SetOutPath "$INSTDIR"
  ; When AutoUpdate.EXE runs this installer, its own file is in use: a running program
  ; cannot be overwritten, but it can be renamed out of the way.
  Delete "$INSTDIR\AutoUpdate.old"
  ${If} ${FileExists} "$INSTDIR\AutoUpdate.EXE"
    Rename "$INSTDIR\AutoUpdate.EXE" "$INSTDIR\AutoUpdate.old"
  ${EndIf}

  ; Unwritable files are ignored in silent mode unless we look: the updater must learn that
  ; the install failed, from the exit code.
  ClearErrors
  File "/oname=Quorvane.exe" "${STAGE}\Quorvane.exe"
  File "/oname=AutoUpdate.EXE" "${STAGE}\AutoUpdate.EXE"
  File /nonfatal "${STAGE}\notify.wav"
  ; The help pages (and whatever they show), one folder per language.
  SetOutPath "$INSTDIR\helpen"
  File /nonfatal /r "${STAGE}\helpen\*"
  SetOutPath "$INSTDIR\helpfr"
  File /nonfatal /r "${STAGE}\helpfr\*"
  SetOutPath "$INSTDIR"
  ${If} ${Errors}
    SetErrorLevel 2
    Abort "$(FilesNotWritten)"
  ${EndIf}
  Delete "$INSTDIR\AutoUpdate.old"

  ; The first settings file, which the program moves into the user's data folder at its first
  ; start. Without an AppData folder the program keeps its settings here: never overwrite.
  SetOverwrite off
  File /nonfatal "${STAGE}\Quorvane.ini"
  SetOverwrite on

  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "$SMPROGRAMS\Quorvane.lnk" "$INSTDIR\Quorvane.exe" "" "$INSTDIR\Quorvane.exe" 0

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${PRODUCT}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\Quorvane.exe,0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  IntFmt $0 "0x%08X" $0
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" "$0"
SectionEnd

Section "un.$(UnProgram)" UnSecProgram
  SectionIn RO
  Delete "$INSTDIR\Quorvane.exe"
  Delete "$INSTDIR\Quorvane.exe.bak"
  Delete "$INSTDIR\AutoUpdate.EXE"
  Delete "$INSTDIR\AutoUpdate.old"
  Delete "$INSTDIR\notify.wav"
  ; The first settings file, which the program moves into its data folder under AppData. Where
  ; the user has no AppData folder the program keeps its settings here: they stay unless asked.
  ReadRegStr $0 HKCU "SoftWare\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders" "AppData"
  ${If} $0 != ""
    Delete "$INSTDIR\Quorvane.ini"
  ${EndIf}
  ; What the update leaves beside the program: the description, the download and its
  ; compressed form.
  Delete "$INSTDIR\current.txt"
  Delete "$INSTDIR\version.$$$$$$"
  Delete "$INSTDIR\version._$$$$"
  RMDir /r "$INSTDIR\helpen"
  RMDir /r "$INSTDIR\helpfr"

  Delete "$SMPROGRAMS\Quorvane.lnk"
  DeleteRegValue HKCU "${RUN_KEY}" "Quorvane"
  DeleteRegValue HKCU "${EMULATION_KEY}" "Quorvane.exe"
SectionEnd

Section /o "un.$(UnSettings)" UnSecSettings
  ; The data folder (settings, lists, copies of monitored pages) and the mini browser's
  ; typed addresses.
  RMDir /r "$APPDATA\Quorvane"
  Delete "$INSTDIR\Quorvane.ini"
  DeleteRegKey HKCU "SoftWare\Quorvane"
SectionEnd

; Last of all, so that an entry gone from the installed programs means a finished uninstall.
Section "-un.Entry"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd

Function un.onInit
  !insertmacro WAIT_FOR_PROGRAM
  ; /KEEPSETTINGS=0 selects the removal of the settings, for silent uninstalls.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/KEEPSETTINGS=" $1
  ; The copy of the uninstaller that does the work gets "_?=folder" behind the switches, which
  ; GetOptions counts into the last value.
  StrCpy $1 $1 1
  ${IfNot} ${Errors}
  ${AndIf} $1 == "0"
    !insertmacro SelectSection ${UnSecSettings}
  ${EndIf}
FunctionEnd
