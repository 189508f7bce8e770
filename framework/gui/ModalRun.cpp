#include "ModalRun.h"

#include <QDialog>

#include "core/AppServices.h"

namespace {

CModalHandler& Handler() {
    static CModalHandler handler;
    return handler;
}

}  // namespace

int AfxRunModal(QDialog& dialog) {
    int result = 0;
    if (Handler()) {
        dialog.show();
        result = Handler()(dialog);
        dialog.hide();
    } else {
        result = dialog.exec();
    }
    return result == QDialog::Rejected ? IDCANCEL : result;
}

CModalHandler AfxSetModalHandler(CModalHandler handler) {
    CModalHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
