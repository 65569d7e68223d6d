#pragma once

class QDialog;
class QPlainTextEdit;

// Makes the dialog (its width kept) tall enough for the whole of its message in the language
// now loaded; call again after each retranslation. On a screen too low for that, the message
// gets a scroll bar and takes the keyboard focus, so that the arrows and Page Down reach its end.
void fit_Message(QDialog* dialog, QPlainTextEdit* message);
