#pragma once

#include <functional>

class QDialog;

// Runs a dialog modally and returns the code it ended with (IDOK, IDCANCEL or its own);
// a dialog closed by Escape or its close box gives IDCANCEL.
int AfxRunModal(QDialog& dialog);

// Lets tests drive a modal dialog without a nested event loop: the handler gets the dialog
// (shown, not yet run) and returns the result. An empty handler restores exec(). Returns the
// previous handler.
using CModalHandler = std::function<int(QDialog& dialog)>;
CModalHandler AfxSetModalHandler(CModalHandler handler);
