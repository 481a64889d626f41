#pragma once
// Resource ids of AutoUpdate.EXE (its own small resource scripts, apart from the program's).

#define IDI_UPDATER                     1

#define IDS_UPD_CAPTION                 100
#define IDS_UPD_USAGE                   101   // started without a valid request
#define IDS_UPD_STILL_RUNNING           102   // %1 program file, %2 seconds
#define IDS_UPD_NO_INSTALLER            103   // %1 installer file, %2 folder
#define IDS_UPD_BACKUP_FAILED           104   // %1 program file, %2 error code
#define IDS_UPD_NOT_STARTED             105   // %1 error code
#define IDS_UPD_INSTALL_FAILED          106   // %1 exit code
#define IDS_UPD_TIMED_OUT               107   // %1 seconds
#define IDS_UPD_RESTORE_FAILED          108   // %1 exit code, %2 program file, %3 error code
#define IDS_UPD_RESTART_FAILED          109   // %1 error code
