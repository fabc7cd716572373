#include "Shortcuts.h"

#include <algorithm>

namespace shrink4::keys {

namespace {

QKeySequence key(QKeyCombination combination)
{
    return QKeySequence(combination);
}

} // namespace

const std::vector<Binding>& bindings()
{
    static const std::vector<Binding> table = {
        {Command::Run, {key(Qt::Key_F5)}, QStringLiteral("开始缩水")},
        {Command::NewScheme, {key(Qt::CTRL | Qt::Key_N)}, QStringLiteral("新建方案")},
        {Command::OpenScheme, {key(Qt::CTRL | Qt::Key_O)}, QStringLiteral("打开方案")},
        {Command::SaveScheme, {key(Qt::CTRL | Qt::Key_S)}, QStringLiteral("保存方案")},
        {Command::SaveSchemeAs, {key(Qt::CTRL | Qt::SHIFT | Qt::Key_S)}, QStringLiteral("方案另存为")},
        {Command::ExportResult, {key(Qt::CTRL | Qt::Key_E)}, QStringLiteral("导出结果")},
        {Command::Print, {key(Qt::CTRL | Qt::Key_P)}, QStringLiteral("打印结果")},
        {Command::Quit, {key(Qt::CTRL | Qt::Key_Q)}, QStringLiteral("退出")},
        {Command::Undo,
         {key(Qt::CTRL | Qt::Key_Z)},
         QStringLiteral("撤销条件的上一步改动（光标在文字框里时，先撤销框里的输入）")},
        {Command::Redo,
         {key(Qt::CTRL | Qt::Key_Y), key(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
         QStringLiteral("重做撤销了的改动")},
        {Command::FindInResult, {key(Qt::CTRL | Qt::Key_F)}, QStringLiteral("在缩水结果里找号（Esc 关闭找号框）")},
        {Command::NextPage,
         {key(Qt::CTRL | Qt::Key_Tab), key(Qt::CTRL | Qt::Key_PageDown)},
         QStringLiteral("文字条件的下一页")},
        {Command::PreviousPage,
         {key(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), key(Qt::CTRL | Qt::Key_PageUp)},
         QStringLiteral("文字条件的上一页")},
        {Command::NextArea, {key(Qt::Key_F6)}, QStringLiteral("在条件、缩水结果、中奖查询之间跳到下一处")},
        {Command::PreviousArea, {key(Qt::SHIFT | Qt::Key_F6)}, QStringLiteral("跳回上一处")},
        {Command::Guide, {key(Qt::Key_F1)}, QStringLiteral("打开使用教程，直接到光标所在部分的那一节")},
    };
    return table;
}

const std::vector<Note>& notes()
{
    static const std::vector<Note> table = {
        {QStringLiteral("Tab / Shift+Tab"), QStringLiteral("按从左到右、从上到下的顺序到下一个、上一个框")},
        {QStringLiteral("Alt+带下划线的字母"), QStringLiteral("打开菜单或按下按钮，如 Alt+F 打开【方案】菜单")},
        {QStringLiteral("空格"), QStringLiteral("勾选或取消光标所在的勾选框")},
        {QStringLiteral("双击文字框"), QStringLiteral("清空这个框（Ctrl+Z 可以撤销）")},
        {QStringLiteral("Alt+← / Alt+→"), QStringLiteral("在教程里后退、前进")},
    };
    return table;
}

QList<QKeySequence> keysOf(Command command)
{
    const auto& table = bindings();
    const auto found =
        std::find_if(table.begin(), table.end(), [command](const Binding& b) { return b.command == command; });
    return found == table.end() ? QList<QKeySequence>() : found->keys;
}

QString keysText(const QList<QKeySequence>& keys)
{
    QStringList texts;
    for (const QKeySequence& k : keys)
        texts << k.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(" / "));
}

QList<Note> allRows()
{
    QList<Note> rows;
    for (const Binding& b : bindings())
        rows.append({keysText(b.keys), b.what});
    for (const Note& n : notes())
        rows.append(n);
    return rows;
}

QString tableHtml()
{
    QString html = QStringLiteral(
        "<table border=\"1\" cellspacing=\"0\" cellpadding=\"5\">\n"
        "<tr><th>按键</th><th>作用</th></tr>\n");
    for (const Note& row : allRows())
        html +=
            QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n").arg(row.keys.toHtmlEscaped(), row.what.toHtmlEscaped());
    return html + QStringLiteral("</table>\n");
}

} // namespace shrink4::keys
