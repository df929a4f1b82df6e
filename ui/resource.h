#pragma once
// Resource ids, shared by the resource script and the code.
#define IDR_MAINFRAME 128
#define IDD_INSTALL 102
#define IDC_MESSAGE 1000
#define IDC_MISSING_LIST 1002
#define IDC_NEXT 1004
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
