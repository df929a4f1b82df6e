#pragma once
// Ids of the test program's own dialog template.
#define IDD_TEST_ROUTING 201
#define IDC_TEST_BOTH 3001
#define IDC_TEST_DIALOG_ONLY 3002
#define IDC_TEST_CONTROLLER_ONLY 3003
#define IDC_TEST_CLOSE_WITH_ONE 3004
#define IDC_TEST_UNMAPPED 3005
