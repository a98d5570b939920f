#pragma once
// Resource ids of the language dialog.
#define IDD_LANGUAGESELECT 1100
#define IDC_LANGUAGELIST 1101
#define IDC_SHOWONSTARTUP 1102
