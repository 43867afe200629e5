#pragma once
// What the backdrop window does with each event, apart from the window
// itself: the window procedure hands every message here.
#include "platform/window_handle.h"

// Class of every form window of the form engine.
extern const char kTemplateWindowClass[];

// Set by a field change on the order form; consumed by the next tick that
// finds the order form current.
extern bool RecalcPending;

// 1 when a form window exists and the current template is the order form.
int IsOrderFormCurrent();

// A template was opened: prefill the registration or the buyer form.
void OnTemplateOpened(const char *templateName);

// A field of the current template changed.
void OnFieldChanged();

// The 500 ms tick. Returns true while a form window is left; false when the
// run is over (the caller stops the timer and ends the run).
bool OnTimerTick();

// A button's command: 40001 ends the run, 40002 does nothing, every other
// number goes through the command table. A command that arrives while
// another is being carried out is ignored: returns false then, true when the
// command was carried out.
bool OnBackdropCommand(WindowHandle window, unsigned command);

// True while a command is being carried out.
bool IsCarryingOutCommand();

// Opens the [General] "Startup" template, owned by the backdrop window.
void OpenStartupTemplate(WindowHandle backdrop);
