#pragma once
// What the backdrop window does with each event, apart from the window
// itself: the window procedure hands every message here.
#include "platform/window_handle.h"

// Class of every form window of the form engine.
extern const char kTemplateWindowClass[];

// Set by a field change on the order form; consumed by the next tick that
// finds the order form current.
extern bool RecalcPending;

// True when a form window exists and the current template is the order
// form.
bool IsOrderFormCurrent();

// A template was opened: prefill the registration or the buyer form, and
// show the installed product's state on its buttons.
void OnTemplateOpened(const char *templateName);

// A field of the current template changed: on the order form, the next
// tick recalculates it.
void OnFieldChanged();

// The 500 ms tick. Returns true while a form window is left or the forms
// make way for the installer; false when the run is over (the caller stops
// the timer and ends the run).
bool OnTimerTick();

// The shell asks before it starts AutoPlay for an inserted disc: true when
// [General] "Cancel AutoPlay" says a second AutoPlay must not open over the
// running launcher.
bool CancelsAutoPlay();

// Once the screens are to be shown: with "Cancel AutoPlay" on, the shell's
// question is answered for the whole run, also while the screens make way
// for the installer or another program is in front, which the window
// message does not reach.
void CancelAutoPlayForTheRun();

// A button's command, carried out through its row of the command table
// (DispatchCommand), 40001 and 40002 included. A command that arrives while
// another is being carried out is ignored: returns false then, true when the
// command was carried out.
bool OnBackdropCommand(WindowHandle window, unsigned command);

// True while a command is being carried out: the backdrop drops the clicks
// on it meanwhile.
bool IsCarryingOutCommand();

// Opens the [General] "Startup" template, owned by the backdrop window.
void OpenStartupTemplate(WindowHandle backdrop);
