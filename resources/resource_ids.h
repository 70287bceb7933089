// Resource identifiers shared by the .rc files and the programs.
#pragma once

#define IDI_APP 1

// Cursors: the pointing hand over clickable controls, the drag arrow over
// the caption and text line of the style editor.
#define IDC_POINTING_HAND 101
#define IDC_DRAG_ARROW 102

// 12 x 12 window-button glyphs of the configuration program, normal and hover.
#define IDB_CLOSE 101
#define IDB_MINIMIZE 102
#define IDB_CLOSE_HOVER 103
#define IDB_MINIMIZE_HOVER 104
#define IDB_MENU 105
#define IDB_MENU_HOVER 106

// The logo of the configuration program's about box.
#define IDB_LOGO 107
