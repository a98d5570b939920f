#include "PlexorStartup.h"

#include "EngineLocations.h"
#include "FrmSettings.h"
#include "IconLayoutWiring.h"
#include "LanguageSelect.h"
#include "MlStringModule.h"
#include "TrayCommandWiring.h"

void PlexorStartupHooks::InitLanguage() { InitLanguageRuntime(); }

void PlexorStartupHooks::RunLanguageDialogAtStart() {
    LanguageSelect(CurrentEngineLocations().appKey + L"\\MultiLang").ShowDialog(true);
}

void PlexorStartupHooks::LoadMainForm() {
    IconLayoutWiring icons;      // icon hook, mirror and layouts
    TrayCommandWiring commands(&icons);  // hotkeys, add/remove, exit dialog, watchdog
    FrmSettings form(shell_, &commands, &commands);
    icons.ShowMirrorIn(form.lvDtop().Handle());
    form.Form_Load();
    MSG message;
    while (form.IsLoaded()) {
        BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // A quit request from elsewhere ends the program as the exit would.
            form.Unload();
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
