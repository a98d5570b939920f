#pragma once
// Resource ids of the login prompt.
#define IDD_FRMLOGIN 1200
#define IDC_LOGIN_LABEL 1201
#define IDC_LOGIN_PASSWORD 1202
