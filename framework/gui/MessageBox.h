#pragma once

#include <functional>
#include <string>

#include "core/AppServices.h"

// The program's one message box, text in UTF-8 (record texts are converted from their single
// bytes before they go into a message): the application name as caption, an icon and buttons from
// the MB_ style, the pressed button (IDOK, IDYES, IDNO, IDCANCEL) as result.
int AfxShowMessageBox(const std::string& text, unsigned type = MB_OK | MB_ICONEXCLAMATION);

// Lets tests answer message boxes without a nested event loop; an empty handler restores the
// real message box. Returns the previous handler.
using CMessageBoxHandler = std::function<int(const std::string& text, unsigned type)>;
CMessageBoxHandler AfxSetMessageBoxHandler(CMessageBoxHandler handler);
