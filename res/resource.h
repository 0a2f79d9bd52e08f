/*
 * Control ids of the dialogs in kova.rc, shared by the resource script and
 * the C++ code that drives the dialogs.
 *
 * The resources themselves are named by strings, not numbers:
 *   icon    "IDR_MAINFRAME"    LoadIconA(hInst, "IDR_MAINFRAME")
 *   dialog  "IDD_INPUTBOX"     edit 1000, OK (IDOK), Cancel (IDCANCEL)
 *   dialog  "IDD_PROGRESSBOX"  progress bar 1000, Cancel (IDCANCEL)
 * Never #define IDR_MAINFRAME, IDD_INPUTBOX or IDD_PROGRESSBOX as macros
 * anywhere kova.rc can see them: the preprocessor would replace the names.
 *
 * Only #define lines belong here: windres reads this file too.
 */
#ifndef KOVA_RES_RESOURCE_H
#define KOVA_RES_RESOURCE_H

/* "IDD_INPUTBOX": the single-line edit that receives the answer. */
#define IDC_INPUTBOX_EDIT 1000

/* "IDD_PROGRESSBOX": the progress bar (range set by the program). */
#define IDC_PROGRESSBOX_BAR 1000

#endif
