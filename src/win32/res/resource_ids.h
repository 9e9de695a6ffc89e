#pragma once
// Resource identifiers (shared by the resource script and the code).
#define IDD_MAIN_DIALOG 700
#define IDI_APPLICATION_ICON 720
#define IDR_SCROLL_THUMB_PNG 184
#define IDR_SCROLL_THUMB_2X_PNG 185
// The help panel and the profile manager: child windows of the main dialog without controls of their own
// (the manager creates its list box).
#define IDD_HELP_DIALOG 721
#define IDD_PROFILE_MANAGER 722
#define IDR_MACRO_LIST_MENU 180
