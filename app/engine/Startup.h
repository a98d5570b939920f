#pragma once
// Start of the program: settings, the installation key, store folder 0 and a backup of
// the desktop files, then the main form. Steps that belong to the dialogs and the tray
// (splash, language, help, the main form) are StartupHooks that those parts fill in.
#include "Reg_cls.h"

// The start-up steps other parts provide. The defaults do nothing, so the program
// without them starts, prepares its settings and folders, and ends.
class StartupHooks {
public:
    virtual ~StartupHooks() = default;
    // Shows the splash form modeless; called when "ShowSplash" is not "0".
    virtual void ShowSplash() {}
    // Initialises the language layer.
    virtual void InitLanguage() {}
    // Lets the language dialog run in its start-up mode (shown only when its setting is on).
    virtual void RunLanguageDialogAtStart() {}
    // Creates the help object.
    virtual void CreateHelpObject() {}
    // Loads the main form; returns when the form is unloaded and the program is to end.
    virtual void LoadMainForm() {}
    // Releases the help object at the end of the program.
    virtual void ReleaseHelpObject() {}
};

// Installs the start-up hooks (nullptr: the do-nothing defaults); the caller keeps them
// alive while they are installed.
void UseStartupHooks(StartupHooks* hooks);

// The registry object shared by the whole program; Main creates it afresh.
Reg_cls& SharedRegistry();

void Main();
void CheckFirstUserRun();
void Main_Init();
// The end step run right before the main form unloads: no system error box for a fault
// while the common controls tear down, and the help object is released.
void ProgramEndStep();
