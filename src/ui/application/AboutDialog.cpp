#include "AboutDialog.h"

#include "ui/application/DataFolder.h"

#include "ui/application/Settings.h"

#include "Shrink4Version.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace shrink4 {

namespace {

const QString kLicenceNotice = QStringLiteral(
    "本程序是自由软件：你可以依照自由软件基金会发布的 GNU 通用公共许可证第 3 版，"
    "或（由你选择）任何更新的版本，再发布和修改它。本程序不提供任何担保。");

// A path the player can copy; a click opens the folder (a file's own folder) in the file
// manager. One not made yet (before the first save) is said so rather than linked.
QString pathText(const QString& path)
{
    const QString shown = QDir::toNativeSeparators(path).toHtmlEscaped();
    const QFileInfo info(path);
    if (!info.exists())
        return shown + QStringLiteral("（尚未创建）");
    const QString folder = info.isDir() ? path : info.absolutePath();
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded), shown);
}

QLabel* valueLabel(const AboutLine& line)
{
    QString html = line.isFolderOrFile ? pathText(line.text) : line.text.toHtmlEscaped();
    if (!line.note.isEmpty())
        html += QStringLiteral("<br>") + line.note.toHtmlEscaped();
    auto* label = new QLabel(html);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    label->setOpenExternalLinks(true);
    if (line.isFolderOrFile)
        label->setToolTip(QStringLiteral("单击用文件管理器打开所在的文件夹"));
    return label;
}

QLabel* titleLabel()
{
    auto* title = new QLabel(QStringLiteral("四星缩水 %1").arg(QLatin1String(kVersion)));
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 1.4);
    font.setBold(true);
    title->setFont(font);
    return title;
}

} // namespace

QList<AboutLine> aboutLines()
{
    return {
        {QStringLiteral("版本"), QLatin1String(kVersion), {}},
        {QStringLiteral("许可证"), QStringLiteral("GPL-3.0-or-later"), kLicenceNotice},
        {QStringLiteral("数据文件夹"), dataFolder(),
         QStringLiteral("上次的条件（session.json）和开奖号码（draws.txt）保存在这里。"), true},
        {QStringLiteral("设置文件"), Settings().fileName(), {}, true},
    };
}

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("about_dialog"));
    setWindowTitle(QStringLiteral("关于四星缩水"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel());
    layout->addWidget(new QLabel(QStringLiteral("按条件从 0000–9999 中剔除号码，列出留下的号码。")));
    auto* grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setVerticalSpacing(10);
    const QList<AboutLine> lines = aboutLines();
    for (int row = 0; row < lines.size(); ++row) {
        grid->addWidget(new QLabel(lines[row].caption), row, 0, Qt::AlignTop);
        grid->addWidget(valueLabel(lines[row]), row, 1);
    }
    layout->addLayout(grid);
    layout->addStretch(1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 70);
}

QMenu* addHelpMenu(QMainWindow* window)
{
    QMenu* help = window->menuBar()->addMenu(QStringLiteral("帮助(&H)"));
    QAction* about = help->addAction(QStringLiteral("关于(&A)"), window, [window] {
        AboutDialog dialog(window);
        dialog.exec();
    });
    about->setObjectName(QStringLiteral("action_about"));
    about->setMenuRole(QAction::AboutRole);
    return help;
}

} // namespace shrink4
