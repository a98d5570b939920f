#pragma once
#define IDB_SCREENSHOT_BUTTON 101
