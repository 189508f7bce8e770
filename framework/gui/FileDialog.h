#pragma once

#include <functional>

class QFileDialog;

// Runs a file dialog modally: IDOK when the user chose a file, IDCANCEL otherwise.
int AfxRunFileDialog(QFileDialog& dialog);

// Lets tests answer file dialogs without a nested event loop: the handler gets the dialog
// (set up, not shown), may select a file in it and returns IDOK or IDCANCEL. An empty
// handler restores exec(). Returns the previous handler.
using CFileDialogHandler = std::function<int(QFileDialog& dialog)>;
CFileDialogHandler AfxSetFileDialogHandler(CFileDialogHandler handler);
