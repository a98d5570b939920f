#pragma once
// Lets the window procedures of this thread handle what is waiting in its message queue,
// at the fixed points where a long operation gives other handlers their turn.
void PumpPendingMessages();
