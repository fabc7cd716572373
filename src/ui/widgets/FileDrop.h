#pragma once
// Files dropped from a file manager: one local file is taken, anything else is refused
// with a word while it is still being dragged, so the player sees why before letting go.

#include "scheme/InputFile.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QMimeData;
class QWidget;

namespace shrink4 {

class TextBox;

// The one local file (not a folder) a drag carries; empty for several, a folder or none.
QString draggedFile(const QMimeData* mime);
bool isSchemeFile(const QString& path);

struct DroppedText {
    std::optional<QString> text; // set when the file reads as text
    QString problem;             // in Chinese, naming the file
};
// A dropped file as text, decoded as an imported draws file is; a binary file, and one
// over the limit, is refused.
DroppedText readDroppedText(const QString& path, qint64 limit = kMaxInputBytes);

inline const QString kDropRefused = QStringLiteral("只能拖入方案文件（.json）或文本文件");

// Watches `target` for file drags: one file is handed to `take` once it is dropped (after
// the drop has returned, so that a question may open), anything else to `refuse` as the
// word to show. Drags of plain text pass through to the target.
class FileDropFilter : public QObject {
    Q_OBJECT
public:
    FileDropFilter(QWidget* target, std::function<void(const QString&)> take,
                   std::function<void(const QString&)> refuse);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> m_take;
    std::function<void(const QString&)> m_refuse;
};

// A text file dropped on `box` replaces its text, as one edit its undo takes back; what is
// not a text file is refused in a tip where it was dropped.
void fillOnFileDrop(TextBox* box);

} // namespace shrink4
