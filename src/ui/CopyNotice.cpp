#include "CopyNotice.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QVBoxLayout>

namespace shrink4 {

void showCopyNotice(QWidget* parent)
{
    QDialog notice(parent);
    notice.setObjectName(QStringLiteral("Fts"));
    notice.setWindowTitle(QStringLiteral("信息提示窗口"));
    auto* label = new QLabel(QStringLiteral("复制成功！"), &notice);
    label->setObjectName(QStringLiteral("Label1"));
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumSize(200, 60);
    auto* layout = new QVBoxLayout(&notice);
    layout->addWidget(label);
    QTimer timer(&notice);
    timer.setObjectName(QStringLiteral("Timer1"));
    timer.setSingleShot(true);
    timer.setInterval(600);
    QObject::connect(&timer, &QTimer::timeout, &notice, &QDialog::accept);
    timer.start();
    notice.exec();
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
