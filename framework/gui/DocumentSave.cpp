#include "DocumentSave.h"

#include "MessageBox.h"
#include "PathString.h"
#include "core/Document.h"

bool AfxDoFileSave(CDocument& doc) {
    return doc.DoSave(doc.GetPathName());
}

bool AfxSaveModified(CDocument& doc) {
    if (!doc.IsModified()) {
        return true;
    }
    const QString prompt =
        QStringLiteral("Save changes to %1?").arg(AfxPathToQString(doc.GetTitle()));
    switch (AfxShowMessageBox(prompt.toUtf8().toStdString(), MB_YESNOCANCEL | MB_ICONQUESTION)) {
        case IDYES:
            return AfxDoFileSave(doc);
        case IDNO:
            return true;
        default:
            return false;
    }
}
