#pragma once

#include <windows.h>

#include <functional>

// Runs what is queued now the way the framework's modal loop does:
// pre-translation from the target window up, the dialog manager for a
// dialog's messages, then translate and dispatch.
void PumpPending();

// Pumps until done() holds or timeoutMs has passed; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
