#ifndef VORM_H
#define VORM_H
/* VORM2.dll, the form-template engine: the functions and messages a host
 * program uses. Texts are NUL-terminated ANSI. Every read takes the
 * capacity of its destination, copies at most capacity - 1 bytes, never
 * part of a character (double-byte, or UTF-8 where that is the system's
 * code page), and always terminates; a destination
 * that is NULL or has no room is left alone. Templates are text files (docs/templates.md).
 *
 * The engine runs on the thread that calls it; the host's plain
 * GetMessage/TranslateMessage/DispatchMessage loop is enough (the engine
 * handles Tab, arrows, Enter and mnemonics itself).
 *
 * Every function uses the C calling convention (__cdecl, VORM_CALL) in both
 * the 32-bit and the 64-bit DLL; the exports carry their plain names.
 *
 * VORM_Init(window): registers the form window class and the keyboard
 *   handling, and pins the DLL: it stays loaded until the process ends, even
 *   if the host frees it (its windows and keyboard handling live in it).
 *   `window` is not used (pass NULL). Returns 1, or 0 on failure.
 *
 * VORM_Create(owner, flags, path, x, y, show): opens the template file
 *   `path` as the current form. The new window is made first, its fields
 *   exist, MSG_TEMPLATE_OPENED is sent to `owner`, then the window is shown
 *   and the previous form window is destroyed.
 *   flags  VORM_FLAG_OWNED (0x80000000): the form window is owned by `owner`
 *          (stays above it, is hidden and destroyed with it). The form
 *          reports to `owner` (template opened, field changed, commands)
 *          either way. Other bits are ignored; pass 0.
 *   x, y   offset in 96-DPI units from the centred position (0, 0 = centred
 *          on the owner's monitor).
 *   show   1: show and activate the window; 0: create it hidden.
 *   Returns 1 when the template was opened, 0 when the file is missing or
 *   malformed (the current window, if any, is left as it was). Before it
 *   returns 0, the engine shows a warning owned by `owner` that names the
 *   file, the line and the mistake, and passes the same to
 *   OutputDebugStringA. The warning is modal: the host's timers and posted
 *   messages are handled while it is shown, so a host that ends when no
 *   form window is left must not look for one before VORM_Create returns.
 *   Forms are laid out for their monitor's DPI, scaled down to fit its work
 *   area when needed, and laid out again when their DPI changes; when the
 *   monitor's resolution or work area changes, fitted and placed again as
 *   when they opened.
 *
 * Field and option names are compared ignoring the case of A-Z; an empty or
 * unknown name matches nothing. All of them act on the current form.
 *   VORM_GetCurrentTemplateName: the current template's name, "" when no
 *     form is open; the engine keeps the text until the next form opens.
 *   VORM_GetEditText: copies an edit field's text; 1 when the field exists.
 *   VORM_SetEditText: sets an edit field's text (NULL clears it), cut to
 *     the field's maximum length in bytes; not reported as
 *     MSG_FIELD_CHANGED. A field that already holds that text is not
 *     written at all (no change notification, no repaint). 1 when the
 *     field exists.
 *   VORM_RadioButton_GetCheck: copies the name of the selected option of a
 *     radio group; 1 when an option is selected.
 *
 * VORM_SetCommandButton(command, caption, enabled): every button of the
 *   current form that sends `command` shows `caption` (NULL: the caption
 *   its template gives it; its & letter follows the caption) and is enabled
 *   (nonzero) or disabled (0). A disabled button is drawn grey and ignores
 *   clicks, Enter and its letter, and Tab passes it by; the focus leaves a
 *   button that is disabled. Returns the number of buttons changed.
 *
 * Every form window hands the shell's registered "QueryCancelAutoPlay"
 * message, which the shell sends to the foreground window before it starts
 * AutoPlay for an inserted disc, to its owner and returns the owner's
 * answer (nonzero: no AutoPlay).
 *
 * For tools in other processes every named control of a form window holds
 * the window property "VormName" and the form window "VormTemplate", each a
 * global atom (GlobalGetAtomNameA) of the control's or template's name.
 * Atoms ignore case: compare the names that way. */

#ifdef __cplusplus
extern "C" {
#endif

struct HWND__;
typedef struct HWND__ *VORM_WINDOW; /* the same type as a Win32 HWND */

#define VORM_FLAG_OWNED 0x80000000UL

#if defined(_WIN32)
#define VORM_CALL __cdecl
#else
#define VORM_CALL
#endif

/* Messages to the owner window: MSG_TEMPLATE_OPENED is sent, MSG_FIELD_CHANGED
 * and the buttons' WM_COMMAND (low word: command number) are posted. */
#define MSG_TEMPLATE_OPENED 3024 /* wParam: address of the template's name */
#define MSG_FIELD_CHANGED 3044   /* the customer changed an edit field of the current form */

/* Window class of every form window. */
#define VORM_WINDOW_CLASS "Template Window Class"

int VORM_CALL VORM_Init(VORM_WINDOW window);
int VORM_CALL VORM_Create(VORM_WINDOW owner, unsigned long flags, const char *path, int x, int y,
                          int show);
const char *VORM_CALL VORM_GetCurrentTemplateName(void);
int VORM_CALL VORM_GetEditText(const char *field, char *dest, int capacity);
int VORM_CALL VORM_SetEditText(const char *field, const char *text);
int VORM_CALL VORM_RadioButton_GetCheck(int group, char *dest, int capacity);
int VORM_CALL VORM_SetCommandButton(int command, const char *caption, int enabled);

#ifdef __cplusplus
}
#endif

#endif
