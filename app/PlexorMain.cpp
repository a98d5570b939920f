// Plexor: the tray program. Everything starts in Main.
#include "PlexorStartup.h"
#include "Startup.h"

#include <windows.h>
#include <ole2.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The forms host ActiveX controls: the thread is an OLE apartment for its whole life.
    HRESULT ole = OleInitialize(nullptr);
    {
        PlexorStartupHooks startup;
        UseStartupHooks(&startup);
        Main();
        UseStartupHooks(nullptr);
    }
    if (SUCCEEDED(ole)) OleUninitialize();
    return 0;
}
