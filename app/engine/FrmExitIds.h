#pragma once
// Resource ids of the exit dialog.
#define IDD_FRMEXIT 1600
#define IDC_EXIT_LABEL1 1601
#define IDC_EXIT_OPTIONS 1602
#define IDC_EXIT_COMMAND1 1603
#define IDC_EXIT_IMAGE1 1604
