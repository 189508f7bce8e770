#pragma once

#include <QFile>
#include <QString>
#include <string>

// The document layer keeps paths as the file system's bytes; Qt shows them as text.
inline QString AfxPathToQString(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

inline std::string AfxQStringToPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}
