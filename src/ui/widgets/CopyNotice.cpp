#include "CopyNotice.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

namespace shrink4 {

void showCopyNotice(QWidget* parent)
{
    // A floating label that takes neither focus nor input: typing and clicking go on
    // while it shows, and it goes by itself.
    auto* notice = new QLabel(QStringLiteral("复制成功！"), parent,
                              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    notice->setObjectName(QStringLiteral("Fts"));
    notice->setAttribute(Qt::WA_ShowWithoutActivating);
    notice->setAttribute(Qt::WA_TransparentForMouseEvents);
    notice->setAttribute(Qt::WA_DeleteOnClose);
    notice->setAlignment(Qt::AlignCenter);
    notice->setFrameShape(QFrame::Box);
    notice->setMargin(12);
    notice->setAutoFillBackground(true);
    notice->adjustSize();
    if (parent) {
        const QWidget* window = parent->window();
        notice->move(window->mapToGlobal(window->rect().center()) - notice->rect().center());
    }
    notice->show();
    QTimer::singleShot(kCopyNoticeMilliseconds, notice, &QWidget::close);
}

namespace {

bool putOnClipboard(const QString& text)
{
    QClipboard* clipboard = QApplication::clipboard();
    if (clipboard == nullptr)
        return false;
    clipboard->clear();
    clipboard->setText(text);
    // The clipboard reports no errors; a text that does not read back was not taken.
    return clipboard->text() == text;
}

} // namespace

bool copyToClipboard(QWidget* parent, const QString& text, const QString& failureMessage)
{
    if (text.trimmed().isEmpty()) {
        // Wiping what the player copied elsewhere for nothing would lose it.
        QMessageBox::information(parent, QStringLiteral("温馨提示"), kNothingToCopy, QMessageBox::Ok);
        return false;
    }
    if (!putOnClipboard(text)) {
        QMessageBox::critical(parent, QStringLiteral("错误提示"), failureMessage, QMessageBox::Ok);
        return false;
    }
    showCopyNotice(parent);
    return true;
}

} // namespace shrink4
