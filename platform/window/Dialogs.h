#pragma once
// Dialogs from templates: creation with controls by id, dialog units in
// pixels, the modal loop, and the dialog keys (Enter runs the default button,
// Esc cancels, closing the window cancels).

#include "platform/window/WindowSide.h"

#include "platform/window/Resources.h"
#include "platform/window/WindowApi.h"

#include <functional>

using DLGPROC = INT_PTR (*)(HWND, UINT, WPARAM, LPARAM);

// Creates a dialog from a template, hidden unless the template says
// WS_VISIBLE. `attach` runs once the dialog window exists, before its
// controls and WM_INITDIALOG (the framework attaches its object there).
HWND CreateDialogFromTemplate(const DialogTemplate& tmpl, HWND parent, DLGPROC proc, LPARAM init,
                              const std::function<void(HWND)>& attach = {});
HWND CreateDialogParam(HINSTANCE instance, UINT templateId, HWND parent, DLGPROC proc, LPARAM init);
INT_PTR DialogBoxParam(HINSTANCE instance, UINT templateId, HWND parent, DLGPROC proc, LPARAM init);
// Runs an existing dialog modally until EndDialog, then destroys it. Once
// shown, the dialog is the services' to run (the user's event loop, or a
// test's script); one still open afterwards is cancelled. A dialog that
// WM_INITDIALOG did not move opens centred on its owner, else on
// `defaultOwner` (the framework gives its main window), else on the screen,
// as the platform's modal dialogs open.
INT_PTR RunModalDialog(HWND dialog, HWND defaultOwner = nullptr);
BOOL EndDialog(HWND dialog, INT_PTR result);
bool DialogHasEnded(HWND dialog);
BOOL MapDialogRect(HWND dialog, RECT* rect);
BOOL IsDialogMessage(HWND dialog, MSG* msg);
// The dialog a window belongs to (itself when it is one), or null.
HWND OwningDialog(HWND window);
