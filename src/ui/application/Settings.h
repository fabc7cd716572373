#pragma once
// Everything the program remembers between starts, in the one settings file Qt keeps for
// it. Each key is named once, in Settings.cpp, beside its type and default, so a misspelt
// key cannot quietly lose a setting. The names and value formats are those the program
// has always written: settings files from earlier versions keep working.

#include "engine/DrawsLayout.h"
#include "engine/PrizeTable.h"

#include <QByteArray>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>

class QSettings;

namespace shrink4 {

// Settings are a few kilobytes; a file far larger (damaged, or filled by something else)
// would be read whole at every start. One over this is set aside before the start reads it.
inline constexpr qint64 kMaxSettingsBytes = qint64(1) * 1024 * 1024;

// Moves an oversized settings file to <file>.bad, so that the start goes on with the
// defaults; says so in Chinese, or gives an empty text when the file is fine.
QString setAsideOversizedSettings();

class Settings {
public:
    Settings();
    ~Settings();
    Settings(const Settings&) = delete;
    Settings& operator=(const Settings&) = delete;

    // Where the settings are kept, for the player to find.
    QString fileName() const;

    // The main window's place and size, as QWidget::saveGeometry gives them.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray& geometry);
    // Where the line between the conditions and the result was, as QSplitter::saveState gives it.
    QByteArray resultSplit() const;
    void setResultSplit(const QByteArray& state);
    // How far the conditions were scrolled, across and down.
    QPoint conditionsScroll() const;
    void setConditionsScroll(QPoint position);
    // The page of the paged conditions on show.
    int conditionsPage() const;
    void setConditionsPage(int page);

    // The place and size of the tool window with this object name (统计, 历史回测, …), as
    // QWidget::saveGeometry gives them; empty when it was never closed.
    QByteArray toolWindowGeometry(const QString& window) const;
    void setToolWindowGeometry(const QString& window, const QByteArray& geometry);

    // The folder the dialog with this object name was last used in; empty when none.
    QString dialogFolder(const QString& dialog) const;
    void setDialogFolder(const QString& dialog, const QString& folder);

    QString currentScheme() const;
    void setCurrentScheme(const QString& path);
    // Newest first.
    QStringList recentSchemes() const;
    void setRecentSchemes(const QStringList& paths);

    // The folder draws were last imported from. Until the program has named itself it is
    // neither read nor kept: a bare run, such as a test tool's, leaves the player's alone.
    QString drawsFolder() const;
    void setDrawsFolder(const QString& folder);

    // How the windows read draws texts: the automatic reading until the player chose
    // another in 导入设置…. A value no layout can have reads as the automatic one.
    DrawsLayout drawsLayout() const;
    void setDrawsLayout(const DrawsLayout& layout);

    // The prize table in use (方案 → 奖金设置), kept as its file's JSON: the example until
    // the player sets one, and again when the kept value no longer reads as a table.
    PrizeTable prizeTable() const;
    void setPrizeTable(const PrizeTable& table);

    // The first start's line on where to begin: whether it was ever shown, and whether it
    // has done its job (a run was made), after which it is never shown again.
    bool startHintShown() const;
    void setStartHintShown(bool shown);
    bool startHintDone() const;
    void setStartHintDone(bool done);

private:
    std::unique_ptr<QSettings> m_store;
};

} // namespace shrink4
