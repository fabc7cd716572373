#pragma once
// A ZIP archive built in memory, as an Office Open XML package is: entries deflated where
// that saves room, names in UTF-8, no zip64 (an archive past 4 GB is refused instead).

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

namespace shrink4 {

class ZipPackage {
public:
    // modified: the time every entry carries.
    explicit ZipPackage(const QDateTime& modified = QDateTime::currentDateTime());

    void add(const QString& name, QByteArrayView data);

    // The whole archive, or an empty array with *reason in Chinese when it does not fit.
    QByteArray finish(QString* reason) const;

private:
    struct Entry {
        QByteArray name; // UTF-8
        quint16 method = 0;
        quint32 crc = 0;
        qint64 packedSize = 0;
        qint64 size = 0;
        qint64 offset = 0;
    };

    QByteArray fields(const Entry& entry) const;

    quint16 m_time = 0;
    quint16 m_date = 0;
    QByteArray m_bytes; // the local headers and data so far
    QList<Entry> m_entries;
};

// The CRC-32 of ZIP (and PNG, gzip): reflected polynomial 0xEDB88320.
quint32 crc32(QByteArrayView data);

} // namespace shrink4
