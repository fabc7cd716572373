#include "FileDrop.h"

#include "scheme/DrawsText.h"
#include "ui/widgets/textbox/TextBox.h"

#include <QCursor>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>
#include <QUrl>
#include <QWidget>

namespace shrink4 {

QString draggedFile(const QMimeData* mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return {};
    const QUrl url = mime->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QFileInfo file(url.toLocalFile());
    return file.isFile() ? file.absoluteFilePath() : QString();
}

bool isSchemeFile(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
}

DroppedText readDroppedText(const QString& path, qint64 limit)
{
    const InputBytes input = readInputFile(path, limit);
    if (!input.bytes)
        return {std::nullopt, input.message};
    DrawsFileText file = decodeDrawsFile(*input.bytes, path);
    // Text has no NUL characters once decoded (UTF-16 is known by its mark or by its zero
    // bytes); a picture or a program has plenty.
    if (!file.text || file.text->contains(QChar(0)))
        return {std::nullopt, QStringLiteral("%1 不是文本文件，").arg(QFileInfo(path).fileName()) + kDropRefused};
    return {std::move(file.text), {}};
}

FileDropFilter::FileDropFilter(QWidget* target, std::function<void(const QString&)> take,
                               std::function<void(const QString&)> refuse)
    : QObject(target),
      m_take(std::move(take)),
      m_refuse(std::move(refuse))
{
    target->setAcceptDrops(true);
    target->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    if (!drop->mimeData()->hasUrls())
        return false; // text dragged from elsewhere: the target's own business
    const QString file = draggedFile(drop->mimeData());
    if (file.isEmpty()) {
        if (type == QEvent::DragEnter)
            m_refuse(kDropRefused);
        drop->ignore();
        return true;
    }
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, [this, file] { m_take(file); });
    return true;
}

void fillOnFileDrop(TextBox* box)
{
    const auto refuse = [box](const QString& word) { QToolTip::showText(QCursor::pos(), word, box); };
    new FileDropFilter(
        box->viewport(),
        [box, refuse](const QString& path) {
            const DroppedText dropped = isSchemeFile(path)
                                            ? DroppedText{std::nullopt, QStringLiteral("方案文件请拖到主窗口上打开。")}
                                            : readDroppedText(path);
            if (dropped.text)
                box->replaceAll(*dropped.text);
            else
                refuse(dropped.problem);
        },
        refuse);
}

} // namespace shrink4
