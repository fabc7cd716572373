#include "HomeInUse.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>

namespace shrink4 {

namespace {

const char* const kAnswerVariable = "SHRINK4_HOME_IN_USE";

const QString kChoices = QStringLiteral(
    "可以稍后再试，也可以打开一个不保存的窗口：它显示上次保留的条件，但其中的改动、结果和设置都不会保留到"
    "下次启动，也不会覆盖已打开的窗口保存的内容。");

} // namespace

HomeInUse unansweredHome()
{
    return {QStringLiteral("四星缩水已在运行"),
            QStringLiteral("四星缩水已经在运行，但没有回应。\n它可能正在读取很大的文件，或已停止响应。"),
            QStringLiteral("再等等")};
}

HomeInUse unwritableHome(const QString& dataFolder)
{
    return {QStringLiteral("四星缩水无法写入数据文件夹"),
            QStringLiteral("数据文件夹 %1 无法写入，无法确认四星缩水是否已在运行。\n请检查这个文件夹的权限。")
                .arg(QDir::toNativeSeparators(dataFolder)),
            QStringLiteral("重试")};
}

HomeInUseAnswer askHomeInUse(const HomeInUse& home)
{
    const QByteArray preset = qgetenv(kAnswerVariable);
    if (preset == "nosave")
        return HomeInUseAnswer::KeepNothing;
    if (preset == "cancel")
        return HomeInUseAnswer::Cancel;

    QMessageBox box(QMessageBox::Warning, home.title, home.why);
    box.setInformativeText(kChoices);
    QPushButton* again = box.addButton(home.tryAgain, QMessageBox::AcceptRole);
    QPushButton* unkept = box.addButton(QStringLiteral("打开不保存的窗口"), QMessageBox::ActionRole);
    QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
    box.setDefaultButton(again);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == again)
        return HomeInUseAnswer::TryAgain;
    return box.clickedButton() == unkept ? HomeInUseAnswer::KeepNothing : HomeInUseAnswer::Cancel;
}

} // namespace shrink4
