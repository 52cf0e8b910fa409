// Dialogs as documents of the workbench: a dialog window that becomes active
// is the current document, and Save, Save As and Close act on it (the first
// two on its code page). Also the forms list window, which lists the dialogs
// made by New Dialog and is shown from "View" > "Forms...".
#pragma once

namespace tavrin {

class TDialog;
class TCodePage;
class TFormsList;

// The workbench's forms list window, if there is one.
TFormsList* FormsList();
// Sets the main window's "Forms..." hook, the File commands for dialogs and
// the forms list's "Destroy".
void WireDialogDocuments();
// The page the dialog's code lives in, or null once the page is gone.
void SetDialogPage(TDialog& dialog, TCodePage* page);
TCodePage* DialogPage(TDialog& dialog);
// A dialog made by New Dialog or read from a page gets an entry in the forms
// list; it loses it when its page is destroyed.
void ListDialog(TDialog& dialog);
void UnlistDialog(TDialog& dialog);

}  // namespace tavrin
