#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

CMessageBoxHandler& Handler() {
    static CMessageBoxHandler handler;
    return handler;
}

}  // namespace

int AfxShowMessageBox(const std::string& text, unsigned type) {
    if (Handler()) {
        return Handler()(text, type);
    }
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(QApplication::applicationName());
    box.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    switch (type & 0xF0) {
        case MB_ICONQUESTION:
            box.setIcon(QMessageBox::Question);
            break;
        case MB_ICONINFORMATION:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            box.setIcon(QMessageBox::Warning);
            break;
    }
    switch (type & 0xF) {
        case MB_YESNO:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
        case MB_YESNOCANCEL:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        default:
            box.setStandardButtons(QMessageBox::Ok);
            break;
    }
    switch (box.exec()) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            return IDOK;
    }
}

CMessageBoxHandler AfxSetMessageBoxHandler(CMessageBoxHandler handler) {
    CMessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
