#include "ZipPackage.h"

#include <QtEndian>

#include <algorithm>
#include <array>

namespace shrink4 {

namespace {

constexpr qint64 kFieldLimit = 0xFFFFFFFF; // sizes and offsets are 32-bit without zip64
constexpr qsizetype kEntryLimit = 0xFFFF;
constexpr quint16 kVersion = 20; // 2.0: deflate
constexpr quint16 kUtf8Names = 0x0800;
constexpr quint16 kStored = 0;
constexpr quint16 kDeflated = 8;

constexpr std::array<quint32, 256> makeCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> kCrcTable = makeCrcTable();

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

// The bare deflate stream of data, or nothing when storing it is as small.
QByteArray deflated(QByteArrayView data)
{
    // qCompress wraps zlib's stream in a 4-byte length, zlib's 2-byte header and its 4-byte
    // Adler-32; ZIP wants only the deflate stream in between (and Qt has no raw deflate).
    constexpr qsizetype kWrapping = 4 + 2 + 4;
    const QByteArray wrapped = qCompress(reinterpret_cast<const uchar*>(data.data()), data.size(), 9);
    if (wrapped.size() <= kWrapping || wrapped.size() - kWrapping >= data.size())
        return {};
    return wrapped.sliced(6, wrapped.size() - kWrapping);
}

// MS-DOS time and date: two-second steps, years 1980 to 2107.
quint16 dosTime(QTime time)
{
    return quint16(time.hour() << 11 | time.minute() << 5 | time.second() / 2);
}

quint16 dosDate(QDate date)
{
    const int year = qBound(1980, date.year(), 2107);
    return quint16((year - 1980) << 9 | date.month() << 5 | date.day());
}

} // namespace

quint32 crc32(QByteArrayView data)
{
    quint32 c = 0xFFFFFFFFu;
    for (char byte : data)
        c = kCrcTable[(c ^ quint8(byte)) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

ZipPackage::ZipPackage(const QDateTime& modified)
{
    const QDateTime when = modified.date().year() < 1980 ? QDateTime(QDate(1980, 1, 1), QTime(0, 0)) : modified;
    m_time = dosTime(when.time());
    m_date = dosDate(when.date());
}

void ZipPackage::add(const QString& name, QByteArrayView data)
{
    Entry entry;
    entry.name = name.toUtf8();
    entry.crc = crc32(data);
    entry.size = data.size();
    entry.offset = m_bytes.size();
    const QByteArray packed = deflated(data);
    entry.method = packed.isEmpty() ? kStored : kDeflated;
    entry.packedSize = packed.isEmpty() ? data.size() : packed.size();

    put32(m_bytes, 0x04034b50);
    m_bytes += fields(entry);
    put16(m_bytes, 0); // no extra field
    m_bytes += entry.name;
    m_bytes += packed.isEmpty() ? data.toByteArray() : packed;
    m_entries.append(entry);
}

// The fields a local header and its central directory entry share, from the version
// needed to the name's length.
QByteArray ZipPackage::fields(const Entry& entry) const
{
    QByteArray out;
    put16(out, kVersion);
    put16(out, kUtf8Names);
    put16(out, entry.method);
    put16(out, m_time);
    put16(out, m_date);
    put32(out, entry.crc);
    put32(out, quint32(entry.packedSize));
    put32(out, quint32(entry.size));
    put16(out, quint16(entry.name.size()));
    return out;
}

QByteArray ZipPackage::finish(QString* reason) const
{
    QByteArray directory;
    for (const Entry& entry : m_entries) {
        put32(directory, 0x02014b50);
        put16(directory, kVersion); // made by: MS-DOS attributes, version 2.0
        directory += fields(entry);
        put16(directory, 0); // extra field
        put16(directory, 0); // comment
        put16(directory, 0); // disk
        put16(directory, 0); // internal attributes
        put32(directory, 0); // external attributes
        put32(directory, quint32(entry.offset));
        directory += entry.name;
    }
    // Offsets and packed sizes lie below the directory's end; a deflated entry may unpack past it.
    const bool tooLarge =
        std::any_of(m_entries.begin(), m_entries.end(), [](const Entry& entry) { return entry.size > kFieldLimit; });
    if (tooLarge || m_bytes.size() + directory.size() > kFieldLimit || m_entries.size() > kEntryLimit) {
        if (reason)
            *reason = QStringLiteral("内容超过 4 GB，无法存成一个工作簿，请存为 CSV 表格（*.csv）");
        return {};
    }
    QByteArray end;
    put32(end, 0x06054b50);
    put16(end, 0); // this disk
    put16(end, 0); // the directory's disk
    put16(end, quint16(m_entries.size()));
    put16(end, quint16(m_entries.size()));
    put32(end, quint32(directory.size()));
    put32(end, quint32(m_bytes.size()));
    put16(end, 0); // comment
    return m_bytes + directory + end;
}

} // namespace shrink4
