#include "StaleTemporaries.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace shrink4 {

namespace {

constexpr int kTemporarySuffixLength = 6; // QTemporaryFile's XXXXXX

bool isTemporaryOf(const QString& candidate, const QString& fileName)
{
    return candidate.size() == fileName.size() + 1 + kTemporarySuffixLength && candidate.startsWith(fileName)
        && candidate.at(fileName.size()) == QLatin1Char('.');
}

} // namespace

int removeStaleTemporaries(const QString& folder, const QStringList& fileNames, const QDateTime& olderThan)
{
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        const bool ours = std::any_of(fileNames.begin(), fileNames.end(),
                                      [&](const QString& name) { return isTemporaryOf(entry.fileName(), name); });
        if (ours && entry.lastModified() < olderThan && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}

} // namespace shrink4
