#pragma once
// Every key of the main window, written once: the window binds its actions and shortcuts
// from here, and 帮助 → 快捷键 and the guide list the same rows.

#include <QKeySequence>
#include <QList>
#include <QString>

#include <vector>

namespace shrink4::keys {

enum class Command {
    Run,
    NewScheme,
    OpenScheme,
    SaveScheme,
    SaveSchemeAs,
    ExportResult,
    Print,
    Quit,
    Undo,
    Redo,
    FindInResult,
    NextPage,
    PreviousPage,
    NextArea,
    PreviousArea,
    Guide,
};

struct Binding {
    Command command;
    QList<QKeySequence> keys;
    QString what;
};

// Keys the window does not bind itself (focus, the boxes, the guide), listed beside the bindings.
struct Note {
    QString keys;
    QString what;
};

const std::vector<Binding>& bindings();
const std::vector<Note>& notes();

QList<QKeySequence> keysOf(Command command);
// "Ctrl+Tab / Ctrl+PgDown", as the desktop writes keys.
QString keysText(const QList<QKeySequence>& keys);

// One row per key, bindings first: the keys as shown, and what they do.
QList<Note> allRows();
// The same rows as an HTML table, for the guide.
QString tableHtml();

} // namespace shrink4::keys
