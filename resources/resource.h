// Ids shared by the resource scripts and the code.
#pragma once

#define IDR_MAINFRAME 128
#define IDS_APP_NAME 57344
