#pragma once
// The whole of a file as the tests compare it: empty when it cannot be read.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace shrink4::test {

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace shrink4::test
