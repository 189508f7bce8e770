#include "FileDialog.h"

#include <QFileDialog>

#include "core/AppServices.h"

namespace {

CFileDialogHandler& Handler() {
    static CFileDialogHandler handler;
    return handler;
}

}  // namespace

int AfxRunFileDialog(QFileDialog& dialog) {
    if (Handler()) {
        return Handler()(dialog);
    }
    return dialog.exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

CFileDialogHandler AfxSetFileDialogHandler(CFileDialogHandler handler) {
    CFileDialogHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
