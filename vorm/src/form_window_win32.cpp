#include <string>

#include "default_button.h"
#include "engine_win32.h"
#include "form_colors.h"
#include "form_layout.h"
#include "text/bounded.h"
#include "vorm.h"

namespace {

ATOM g_formClass = 0;

// Before AutoPlay starts for an inserted disc the shell asks the foreground
// window, which is a form window while forms are shown: the question goes
// to the owner, who knows whether a disc of its own is running.
UINT QueryCancelAutoPlayMessage() {
  static const UINT message = RegisterWindowMessageA("QueryCancelAutoPlay");
  return message;
}
// A form's data until its window takes it over in WM_NCCREATE; if the
// window cannot be created the data is freed here instead.
FormWindow *g_unattached = nullptr;

COLORREF ToColorRef(unsigned rgb) {
  return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

RECT ScaledRect(const FormWindow *data, const vorm::Element &element) {
  RECT r;
  r.left = ScaleToDpi(data, element.x);
  r.top = ScaleToDpi(data, element.y);
  r.right = r.left + ScaleToDpi(data, element.width);
  r.bottom = r.top + ScaleToDpi(data, element.height);
  return r;
}

HFONT CreateBaseFont(const FormWindow *data) {
  LOGFONTA font = {};
  if (!data->form.fontFace.empty()) {
    font.lfHeight = -MulDiv(data->form.fontPoints, data->dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    CopyText(font.lfFaceName, LF_FACESIZE, data->form.fontFace.c_str());
  } else {
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
      return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    font = metrics.lfMessageFont;
    // The system gives it for the system DPI; the form may be laid out at another.
    font.lfHeight = MulDiv(font.lfHeight, data->dpi, SystemDpi());
  }
  return CreateFontIndirectA(&font);
}

HFONT CreateElementFont(const FormWindow *data, const vorm::Element &element) {
  if (!element.bold && element.points == 0) return nullptr;
  LOGFONTA font = {};
  GetObjectA(data->baseFont, sizeof font, &font);
  if (element.points != 0) font.lfHeight = -MulDiv(element.points, data->dpi, 72);
  if (element.bold) font.lfWeight = FW_BOLD;
  return CreateFontIndirectA(&font);
}

void DeleteFonts(HFONT baseFont, const std::vector<HFONT> &fonts) {
  for (HFONT font : fonts)
    if (font != nullptr) DeleteObject(font);
  // The stock font that stands in when the system's cannot be read is not ours.
  if (baseFont != nullptr && baseFont != GetStockObject(DEFAULT_GUI_FONT)) DeleteObject(baseFont);
}

DWORD ControlStyle(const vorm::Element &element, const char *&className, DWORD &exStyle) {
  DWORD style = WS_CHILD | WS_VISIBLE;
  exStyle = 0;
  switch (element.kind) {
    case vorm::ElementKind::Label:
      className = "STATIC";
      return style | (element.align == vorm::Align::Center  ? SS_CENTER
                      : element.align == vorm::Align::Right ? SS_RIGHT
                                                            : SS_LEFT);
    case vorm::ElementKind::Edit:
      className = "EDIT";
      exStyle = WS_EX_CLIENTEDGE;
      style |= WS_TABSTOP | ES_AUTOHSCROLL;
      if (element.readOnly) style |= ES_READONLY;
      if (element.align == vorm::Align::Right) style |= ES_RIGHT;
      if (element.align == vorm::Align::Center) style |= ES_CENTER;
      return style;
    case vorm::ElementKind::Button:
      className = "BUTTON";
      // BS_NOTIFY: the focus is reported, and the default button follows it.
      return style | WS_TABSTOP | BS_NOTIFY |
             (element.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    default:  // radio option; the engine keeps each group's one check itself
      className = "BUTTON";
      return style | BS_NOTIFY | BS_RADIOBUTTON;
  }
}

void AttachName(HWND window, const char *property, const std::string &name) {
  if (name.empty()) return;
  ATOM atom = GlobalAddAtomA(name.c_str());
  if (atom != 0) SetPropA(window, property, reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(atom)));
}

void DetachName(HWND window, const char *property) {
  HANDLE value = RemovePropA(window, property);
  if (value != nullptr) GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(value)));
}

// Option captions are drawn in the template's colours; a themed option
// draws its caption in the theme's colour instead, so it goes unthemed
// when the template asks for another colour than the system's.
bool NeedsOwnColors(const FormWindow *data, const vorm::Element &element) {
  return element.kind == vorm::ElementKind::Radio &&
         ToColorRef(vorm::TextColor(data->form, element, data->palette)) !=
             GetSysColor(COLOR_BTNTEXT);
}

void DeleteBrushes(FormWindow *data) {
  for (HBRUSH brush : data->brushes)
    if (brush != nullptr) DeleteObject(brush);
  if (data->backgroundBrush != nullptr) DeleteObject(data->backgroundBrush);
  data->brushes.clear();
  data->backgroundBrush = nullptr;
}

// The fills of the window and of what stands on it, in the form's palette:
// made with the form, again when the system's colours change.
void MakeBrushes(FormWindow *data) {
  DeleteBrushes(data);
  const vorm::Template &form = data->form;
  data->backgroundBrush = CreateSolidBrush(ToColorRef(vorm::FormBackground(form, data->palette)));
  data->brushes.assign(form.elements.size(), nullptr);
  for (size_t i = 0; i < form.elements.size(); ++i) {
    const vorm::Element &element = form.elements[i];
    unsigned color = vorm::BackdropColor(form, element, data->palette);
    if (element.kind == vorm::ElementKind::Panel) color = vorm::FillColor(element, data->palette);
    if (element.kind == vorm::ElementKind::Image || element.kind == vorm::ElementKind::Edit ||
        color == vorm::kNoColor)
      continue;
    data->brushes[i] = CreateSolidBrush(ToColorRef(color));
  }
}

// Makes the controls, placed and given their fonts by LayOutForm.
void CreateControls(FormWindow *data) {
  const std::vector<vorm::Element> &elements = data->form.elements;
  size_t count = elements.size();
  data->controls.assign(count, nullptr);
  data->fonts.assign(count, nullptr);
  data->bitmaps.assign(count, nullptr);
  for (size_t i = 0; i < count; ++i) {
    const vorm::Element &element = elements[i];
    if (element.kind == vorm::ElementKind::Image) {
      std::string file = vorm::ResolveBeside(data->path, element.target);
      data->bitmaps[i] = static_cast<HBITMAP>(
          LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
      continue;
    }
    if (element.kind == vorm::ElementKind::Panel || element.kind == vorm::ElementKind::Group ||
        element.kind == vorm::ElementKind::Separator)
      continue;
    const char *className = "STATIC";
    DWORD exStyle = 0;
    DWORD style = ControlStyle(element, className, exStyle);
    HWND control = CreateWindowExA(
        exStyle, className, element.text.c_str(), style, 0, 0, 0, 0, data->window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), EngineInstance(),
        nullptr);
    if (control == nullptr) continue;
    data->controls[i] = control;
    if (element.kind == vorm::ElementKind::Edit)
      SendMessageA(control, EM_LIMITTEXT, element.maxLength, 0);
    if (NeedsOwnColors(data, element)) DrawWithoutTheme(control);
    if (element.kind == vorm::ElementKind::Radio && element.selected)
      SendMessageA(control, BM_SETCHECK, BST_CHECKED, 0);
    AttachName(control, kVormNameProperty, element.name);
  }
}

void PaintGroup(const FormWindow *data, HDC dc, size_t index) {
  const vorm::Element &element = data->form.elements[index];
  RECT r = ScaledRect(data, element);
  HGDIOBJ oldFont = SelectObject(dc, data->baseFont);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  RECT frame = r;
  frame.top += metrics.tmHeight / 2;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  if (!element.text.empty()) {
    RECT caption = {r.left + ScaleToDpi(data, 8), r.top, r.right - ScaleToDpi(data, 8),
                    r.top + metrics.tmHeight};
    // The letter after "&" is underlined only while the keyboard cues show.
    const UINT prefix =
        (SendMessageA(data->window, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
    RECT measured = caption;
    DrawTextA(dc, element.text.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT | prefix);
    int pad = ScaleToDpi(data, 3);
    RECT fill = {measured.left - pad, caption.top, measured.right + pad, caption.bottom};
    FillRect(dc, &fill, data->brushes[index]);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ToColorRef(vorm::TextColor(data->form, element, data->palette)));
    DrawTextA(dc, element.text.c_str(), -1, &caption, DT_SINGLELINE | DT_LEFT | DT_TOP | prefix);
  }
  SelectObject(dc, oldFont);
}

void PaintImage(const FormWindow *data, HDC dc, size_t index) {
  HBITMAP bitmap = data->bitmaps[index];
  if (bitmap == nullptr) return;
  const vorm::Element &element = data->form.elements[index];
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  int x = ScaleToDpi(data, element.x), y = ScaleToDpi(data, element.y);
  int width = element.width != 0 ? ScaleToDpi(data, element.width) : ScaleToDpi(data, info.bmWidth);
  int height =
      element.height != 0 ? ScaleToDpi(data, element.height) : ScaleToDpi(data, info.bmHeight);
  HDC source = CreateCompatibleDC(dc);
  HGDIOBJ old = SelectObject(source, bitmap);
  SetStretchBltMode(dc, HALFTONE);
  SetBrushOrgEx(dc, 0, 0, nullptr);
  StretchBlt(dc, x, y, width, height, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
  SelectObject(source, old);
  DeleteDC(source);
}

void PaintSeparator(const FormWindow *data, HDC dc, size_t index) {
  const vorm::Element &element = data->form.elements[index];
  RECT r = ScaledRect(data, element);
  const unsigned color = vorm::FillColor(element, data->palette);
  if (color == vorm::kNoColor) {
    r.bottom = r.top + 2;
    DrawEdge(dc, &r, EDGE_ETCHED, BF_TOP);
    return;
  }
  r.bottom = r.top + (data->dpi >= 144 ? 2 : 1);
  HBRUSH brush = CreateSolidBrush(ToColorRef(color));
  FillRect(dc, &r, brush);
  DeleteObject(brush);
}

// Panels, images, group frames and lines are painted by the window itself,
// in template order, beneath the controls (panels not in high contrast).
void PaintForm(FormWindow *data) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(data->window, &paint);
  for (size_t i = 0; i < data->form.elements.size(); ++i) {
    switch (data->form.elements[i].kind) {
      case vorm::ElementKind::Panel: {
        RECT r = ScaledRect(data, data->form.elements[i]);
        if (data->brushes[i] != nullptr) FillRect(dc, &r, data->brushes[i]);
        break;
      }
      case vorm::ElementKind::Image: PaintImage(data, dc, i); break;
      case vorm::ElementKind::Group: PaintGroup(data, dc, i); break;
      case vorm::ElementKind::Separator: PaintSeparator(data, dc, i); break;
      default: break;
    }
  }
  EndPaint(data->window, &paint);
}

LRESULT ControlColors(FormWindow *data, HDC dc, HWND control) {
  size_t index = ElementOfControl(data, control);
  if (index >= data->form.elements.size()) return 0;
  const vorm::Element &element = data->form.elements[index];
  if (element.kind == vorm::ElementKind::Edit) {  // a read-only field
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_3DFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_3DFACE));
  }
  SetTextColor(dc, ToColorRef(vorm::TextColor(data->form, element, data->palette)));
  SetBkColor(dc, ToColorRef(vorm::BackdropColor(data->form, element, data->palette)));
  return reinterpret_cast<LRESULT>(data->brushes[index]);
}

void OnControlCommand(FormWindow *data, WPARAM wParam, HWND control) {
  size_t index = ElementOfControl(data, control);
  if (index >= data->form.elements.size()) return;
  const vorm::Element &element = data->form.elements[index];
  int code = HIWORD(wParam);
  const bool isEdit = element.kind == vorm::ElementKind::Edit;
  if ((isEdit && code == EN_SETFOCUS) || (!isEdit && code == BN_SETFOCUS)) {
    FollowFocus(data, index);
  } else if (isEdit && code == EN_CHANGE) {
    // Only the customer's changes on the current form are reported.
    if (data->quietChanges == 0 && data->window == CurrentForm() && data->owner != nullptr)
      PostMessageA(data->owner, MSG_FIELD_CHANGED, 0, 0);
  } else if (element.kind == vorm::ElementKind::Button && code == BN_CLICKED) {
    // Carried out from the window's own queue: a button that opens another
    // template destroys this window and must not do it under its own click.
    PostMessageA(data->window, kPressMessage, index, 0);
  } else if (element.kind == vorm::ElementKind::Radio &&
             (code == BN_CLICKED || code == BN_DOUBLECLICKED)) {
    SelectRadio(data, index);
  }
}

void ReleaseForm(FormWindow *data) {
  DeleteFonts(data->baseFont, data->fonts);
  for (HBITMAP bitmap : data->bitmaps)
    if (bitmap != nullptr) DeleteObject(bitmap);
  DeleteBrushes(data);
  delete data;
}

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    FormWindow *created =
        static_cast<FormWindow *>(reinterpret_cast<CREATESTRUCTA *>(lParam)->lpCreateParams);
    created->window = window;
    g_unattached = nullptr;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
  }
  FormWindow *data = FormOf(window);
  if (data == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == QueryCancelAutoPlayMessage() && message != 0)
    return data->owner != nullptr ? SendMessageA(data->owner, message, wParam, lParam) : 0;
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client;
      GetClientRect(window, &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, data->backgroundBrush);
      return 1;
    }
    case WM_PAINT:
      PaintForm(data);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      LRESULT brush = ControlColors(data, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
      if (brush != 0) return brush;
      break;
    }
    case WM_COMMAND:
      if (lParam != 0) OnControlCommand(data, wParam, reinterpret_cast<HWND>(lParam));
      return 0;
    case kPressMessage:
      // Enter, a letter or a click queued before the host disabled the
      // button does not press it.
      if (wParam < data->form.elements.size() &&
          data->form.elements[wParam].kind == vorm::ElementKind::Button &&
          IsWindowEnabled(data->controls[wParam]))
        PressButton(data, wParam);
      return 0;
    case WM_ACTIVATE:
      // Focus comes back to the control that had it, as in a dialog.
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window, focus)) data->lastFocus = focus;
      } else if (data->lastFocus != nullptr && IsWindow(data->lastFocus)) {
        SetFocus(data->lastFocus);
        return 0;
      }
      break;
    case WM_UPDATEUISTATE: {
      LRESULT result = DefWindowProcA(window, message, wParam, lParam);
      // The frames' captions are the window's own drawing.
      if (HIWORD(wParam) & UISF_HIDEACCEL) InvalidateRect(window, nullptr, TRUE);
      return result;
    }
    case WM_DISPLAYCHANGE:
      // A new resolution (a projector, a monitor unplugged): the form fits
      // the screen again, as when it opened.
      OnWorkAreaChanged(data);
      break;
    case WM_SETTINGCHANGE:
      // The taskbar moved or changed its size.
      if (wParam == SPI_SETWORKAREA) OnWorkAreaChanged(data);
      if (wParam != SPI_SETHIGHCONTRAST) break;
      [[fallthrough]];
    case WM_SYSCOLORCHANGE:
      // High contrast turned on or off, or the system's colours changed.
      data->palette = SystemPalette();
      MakeBrushes(data);
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
      break;
    case WM_DPICHANGED:
      OnDpiChanged(data, LOWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
      return 0;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_DESTROY:
      ForgetForm(window);
      for (HWND control : data->controls)
        if (control != nullptr) DetachName(control, kVormNameProperty);
      DetachName(window, kVormTemplateProperty);
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrA(window, GWLP_USERDATA, 0);
      ReleaseForm(data);
      return DefWindowProcA(window, message, wParam, lParam);
    default:
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

bool RegisterFormClass() {
  if (g_formClass != 0) return true;
  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = FormProc;
  wc.hInstance = EngineInstance();
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.lpszClassName = VORM_WINDOW_CLASS;
  g_formClass = RegisterClassExA(&wc);
  return g_formClass != 0;
}

bool IsFormWindow(HWND window) {
  return g_formClass != 0 && window != nullptr &&
         GetClassLongPtrA(window, GCW_ATOM) == static_cast<ULONG_PTR>(g_formClass) &&
         GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

FormWindow *FormOf(HWND window) {
  if (!IsFormWindow(window)) return nullptr;
  return reinterpret_cast<FormWindow *>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

int ScaleToDpi(const FormWindow *data, int value) { return vorm::ScaleFrom96(value, data->dpi); }

size_t ElementOfControl(const FormWindow *data, HWND control) {
  for (size_t i = 0; i < data->controls.size(); ++i)
    if (control != nullptr && data->controls[i] == control) return i;
  return data->form.elements.size();
}

namespace {

const DWORD kFormStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
const DWORD kFormExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

vorm::Area WorkAreaOf(HMONITOR monitor) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  GetMonitorInfoA(monitor, &info);
  vorm::Area work;
  work.left = info.rcWork.left;
  work.top = info.rcWork.top;
  work.right = info.rcWork.right;
  work.bottom = info.rcWork.bottom;
  return work;
}

bool SameArea(const vorm::Area &a, const vorm::Area &b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Sets the layout DPI for the monitor, at `monitorDpi`, and remembers the
// work area it was fitted to; returns the window's place in that work area,
// centred and moved by the form's offset.
vorm::Area FitToMonitor(FormWindow *data, HMONITOR monitor, int monitorDpi) {
  const vorm::Area work = WorkAreaOf(monitor);
  const SIZE frame = FrameSize(kFormStyle, kFormExStyle, monitorDpi);
  const vorm::FormFit fit = vorm::FitForm(data->form.width, data->form.height, data->offsetX,
                                          data->offsetY, monitorDpi, frame.cx, frame.cy, work);
  data->monitorDpi = monitorDpi;
  data->dpi = fit.dpi;
  data->fittedTo = work;
  return fit.window;
}

// Makes the inside of the window exactly the layout's size, whatever frame
// the system draws (one that does not scale frames per monitor keeps the
// old frame after a DPI change).
void FitClientArea(FormWindow *data) {
  RECT client, outer;
  GetClientRect(data->window, &client);
  GetWindowRect(data->window, &outer);
  int dx = ScaleToDpi(data, data->form.width) - client.right;
  int dy = ScaleToDpi(data, data->form.height) - client.bottom;
  if (dx == 0 && dy == 0) return;
  SetWindowPos(data->window, nullptr, 0, 0, outer.right - outer.left + dx,
               outer.bottom - outer.top + dy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void LayOutForm(FormWindow *data) {
  HFONT oldBase = data->baseFont;
  std::vector<HFONT> oldFonts = data->fonts;
  data->baseFont = CreateBaseFont(data);
  const std::vector<vorm::Element> &elements = data->form.elements;
  for (size_t i = 0; i < elements.size(); ++i) {
    HWND control = data->controls[i];
    data->fonts[i] = control != nullptr ? CreateElementFont(data, elements[i]) : nullptr;
    if (control == nullptr) continue;
    RECT r = ScaledRect(data, elements[i]);
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageA(control, WM_SETFONT,
                 reinterpret_cast<WPARAM>(data->fonts[i] ? data->fonts[i] : data->baseFont), TRUE);
    if (elements[i].kind == vorm::ElementKind::Edit) {
      int margin = ScaleToDpi(data, 3);
      SendMessageA(control, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                   MAKELPARAM(margin, margin));
    }
  }
  // Only now: until the controls had their new fonts they used the old.
  DeleteFonts(oldBase, oldFonts);
}

void OnDpiChanged(FormWindow *data, int monitorDpi, const RECT &suggested) {
  if (monitorDpi <= 0) return;
  HMONITOR monitor = MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST);
  const vorm::Area fitted = FitToMonitor(data, monitor, monitorDpi);
  LayOutForm(data);
  // The suggested place keeps the window under the mouse while it is being
  // dragged; its size follows from the layout (the suggested one, unless
  // the form had to shrink to fit).
  SetWindowPos(data->window, nullptr, suggested.left, suggested.top, fitted.right - fitted.left,
               fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea(data);
  InvalidateRect(data->window, nullptr, TRUE);
}

void OnWorkAreaChanged(FormWindow *data) {
  HMONITOR monitor = MonitorFromWindow(data->window, MONITOR_DEFAULTTONEAREST);
  const int monitorDpi = MonitorDpi(monitor);
  // The same message comes for changes that leave this monitor as it was.
  if (SameArea(WorkAreaOf(monitor), data->fittedTo) && monitorDpi == data->monitorDpi) return;
  const int layoutDpi = data->dpi;
  const vorm::Area fitted = FitToMonitor(data, monitor, monitorDpi);
  if (data->dpi != layoutDpi) LayOutForm(data);
  SetWindowPos(data->window, nullptr, fitted.left, fitted.top, fitted.right - fitted.left,
               fitted.bottom - fitted.top, SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea(data);
  InvalidateRect(data->window, nullptr, TRUE);
}

HWND CreateFormWindow(FormWindow *data, int x, int y) {
  // On the owner's monitor, at its DPI, centred in its work area and moved by (x, y).
  HWND owner = (data->flags & VORM_FLAG_OWNED) ? data->owner : nullptr;
  HMONITOR monitor = data->owner != nullptr
                         ? MonitorFromWindow(data->owner, MONITOR_DEFAULTTOPRIMARY)
                         : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  data->offsetX = x;
  data->offsetY = y;
  const vorm::Area place = FitToMonitor(data, monitor, MonitorDpi(monitor));
  data->palette = SystemPalette();
  MakeBrushes(data);

  g_unattached = data;
  HWND window = CreateWindowExA(kFormExStyle, VORM_WINDOW_CLASS, data->form.title.c_str(),
                                kFormStyle, place.left, place.top, place.right - place.left,
                                place.bottom - place.top, owner,
                                nullptr, EngineInstance(), data);
  if (window == nullptr) {
    if (g_unattached != nullptr) ReleaseForm(g_unattached);
    g_unattached = nullptr;
    return nullptr;
  }
  CreateControls(data);
  data->defaultButton = vorm::DefaultButtonFor(data->form.elements, data->form.elements.size());
  LayOutForm(data);
  AttachName(window, kVormTemplateProperty, data->form.name);
  // Focus rectangles and underlined letters show when the customer came by
  // keyboard, as for a dialog box.
  SendMessageA(window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS | UISF_HIDEACCEL),
               0);
  // A host started with more rights than the shell would not hear it.
  ChangeWindowMessageFilterEx(window, QueryCancelAutoPlayMessage(), MSGFLT_ALLOW, nullptr);
  return window;
}
