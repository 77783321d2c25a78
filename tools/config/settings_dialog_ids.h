// Control numbers of the Win32 settings dialog, shared by its resource script
// and its dialog procedure.
#pragma once

#define IDD_SETTINGS 100

#define IDC_CLOCK 1001
#define IDC_ANALOG 1002
#define IDC_DIGITAL 1003
#define IDC_HOURS24 1004
#define IDC_LARGE 1005
#define IDC_SMALL 1006
#define IDC_CALENDAR 1007
#define IDC_RUSSIAN 1008
#define IDC_FRAME_COUNTER 1009
#define IDC_EXIT_ON_MOUSE 1010
#define IDC_RESOLUTION 1011
#define IDC_CLOCK_GROUP 1012
#define IDC_CALENDAR_GROUP 1013
#define IDC_RESOLUTION_LABEL 1014
