#pragma once

// Prints the editor's selection, or its whole text when nothing is selected,
// on the printer the user chooses in the print dialog, in the font at the
// caret and with the copies chosen there. Cancelling the dialog prints
// nothing; a printer error is reported.
void PrintDocument();
