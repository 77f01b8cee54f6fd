/* Resource ids of the Windows program, for the resource script; the C++
   side's names for them are in platform/layout.h, and the backend checks
   at compile time that both say the same. */
#ifndef TRAILCFG_RESOURCE_IDS_H
#define TRAILCFG_RESOURCE_IDS_H

#define IDB_BANNER 114    /* 360 x 52, 24-bit: the start page's banner */
#define IDB_BANNER_2X 115 /* 720 x 104, 8-bit: the banner for 150 % and more */
#define IDI_FILE 117      /* 32, 24, 16: the program file's icon (lowest id: Explorer shows it) */
#define IDI_APP 119       /* 48, 32, 24, 16: every page's small icon */

#endif
