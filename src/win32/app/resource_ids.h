#pragma once
// Resource identifiers (shared by the resource script and the code).
#define IDD_MAIN_DIALOG 700
#define IDI_APPLICATION_ICON 720
#define IDR_SCROLL_THUMB_PNG 184
#define IDR_MACRO_LIST_MENU 180
