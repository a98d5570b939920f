#pragma once
// Lets the window messages waiting for this thread run, so other handlers (menu
// commands, hotkeys, timers) get their turn in the middle of a long operation.
void ProcessPendingMessages();
