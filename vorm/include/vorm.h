#ifndef VORM_H
#define VORM_H
/* VORM2.dll, the form-template engine: the functions and messages a host
 * program uses. Texts are NUL-terminated ANSI. Every read takes the
 * capacity of its destination, copies at most capacity - 1 characters and
 * always terminates.
 *
 * VORM_Create(owner, flags, path, x, y, show):
 *   flags  VORM_FLAG_OWNED (0x80000000): the form window is owned by `owner`
 *          and reports to it (template opened, field changed, commands).
 *          Other bits are reserved and must be 0.
 *   x, y   offset in 96-DPI units from the centred position (0, 0 = centred
 *          over the owner's monitor).
 *   show   1: show and activate the window; 0: create it hidden.
 *   Returns 1 when the template was opened, 0 when the file is missing or
 *   malformed (the current window, if any, is left as it was). */

#ifdef __cplusplus
extern "C" {
#endif

struct HWND__;
typedef struct HWND__ *VORM_WINDOW; /* the same type as a Win32 HWND */

#define VORM_FLAG_OWNED 0x80000000UL

/* Messages sent to the owner window. */
#define MSG_TEMPLATE_OPENED 3024 /* wParam: address of the template's name */
#define MSG_FIELD_CHANGED 3044   /* the customer changed a field */

/* Window class of every form window. */
#define VORM_WINDOW_CLASS "Template Window Class"

int VORM_Init(VORM_WINDOW window);
int VORM_Create(VORM_WINDOW owner, unsigned long flags, const char *path, int x, int y,
                int show);
const char *VORM_GetCurrentTemplateName(void);
int VORM_GetEditText(const char *field, char *dest, int capacity);
int VORM_SetEditText(const char *field, const char *text);
int VORM_RadioButton_GetCheck(int group, char *dest, int capacity);

#ifdef __cplusplus
}
#endif

#endif
