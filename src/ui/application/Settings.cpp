#include "Settings.h"

#include "ui/application/KeepNothing.h"
#include "ui/application/SessionFile.h"
#include "scheme/PrizeTableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <string>

namespace shrink4 {

namespace {

template <class T>
struct Key {
    const char* name;
    T fallback;
};

// The keys as earlier versions wrote them; renaming one loses what players have kept.
const Key<QByteArray> kGeometry{"window/geometry", {}};
const Key<QPoint> kScroll{"window/scroll", {}};
const Key<int> kPage{"window/page", 0};
const Key<QByteArray> kResultSplit{"window/resultSplit", {}};
const Key<QString> kCurrentScheme{"schemes/current", {}};
const Key<QStringList> kRecentSchemes{"schemes/recent", {}};
const Key<QString> kDrawsFolder{"history/drawsFolder", {}};
// The layout of the kept draws, in the command line's words: digits, take ("2-5", empty
// for the last four), columns ("i,-,n", empty for none).
const Key<int> kDrawsDigits{"history/drawsDigits", kMinDrawDigits};
const Key<QString> kDrawsTake{"history/drawsTake", {}};
const Key<QString> kDrawsColumns{"history/drawsColumns", {}};
// The prize table's JSON, as a prize table file holds it.
const Key<QString> kPrizeTable{"prizes/table", {}};
const Key<bool> kStartHintShown{"hints/startShown", false};
const Key<bool> kStartHintDone{"hints/startDone", false};
// Followed by the dialog's object name.
const QString kFolderPrefix = QStringLiteral("folders/");
// Followed by the tool window's object name.
const QString kToolWindowPrefix = QStringLiteral("toolWindows/");

template <class T>
T read(const QSettings& store, const Key<T>& key)
{
    return store.value(QLatin1String(key.name), QVariant::fromValue(key.fallback)).template value<T>();
}

// Every write goes through here: a window that keeps nothing leaves the file as it was.
void store(QSettings& settings, const QString& key, const QVariant& value)
{
    if (!keepsNothing())
        settings.setValue(key, value);
}

template <class T>
void write(QSettings& settings, const Key<T>& key, const T& value)
{
    store(settings, QLatin1String(key.name), QVariant::fromValue(value));
}

bool programNamed()
{
    return !QCoreApplication::organizationName().isEmpty();
}

} // namespace

QString setAsideOversizedSettings()
{
    const QString path = Settings().fileName();
    if (QFileInfo(path).size() <= kMaxSettingsBytes)
        return {};
    return QStringLiteral("设置文件 %1 太大，已按默认设置启动。").arg(QDir::toNativeSeparators(path))
           + setAsideAsBad(path);
}

Settings::Settings()
    : m_store(std::make_unique<QSettings>())
{
}

Settings::~Settings() = default;

QString Settings::fileName() const
{
    return m_store->fileName();
}

QByteArray Settings::windowGeometry() const
{
    return read(*m_store, kGeometry);
}

void Settings::setWindowGeometry(const QByteArray& geometry)
{
    write(*m_store, kGeometry, geometry);
}

QByteArray Settings::resultSplit() const
{
    return read(*m_store, kResultSplit);
}

void Settings::setResultSplit(const QByteArray& state)
{
    write(*m_store, kResultSplit, state);
}

QPoint Settings::conditionsScroll() const
{
    return read(*m_store, kScroll);
}

void Settings::setConditionsScroll(QPoint position)
{
    write(*m_store, kScroll, position);
}

int Settings::conditionsPage() const
{
    return read(*m_store, kPage);
}

void Settings::setConditionsPage(int page)
{
    write(*m_store, kPage, page);
}

QByteArray Settings::toolWindowGeometry(const QString& window) const
{
    return m_store->value(kToolWindowPrefix + window).toByteArray();
}

void Settings::setToolWindowGeometry(const QString& window, const QByteArray& geometry)
{
    store(*m_store, kToolWindowPrefix + window, geometry);
}

QString Settings::dialogFolder(const QString& dialog) const
{
    return m_store->value(kFolderPrefix + dialog).toString();
}

void Settings::setDialogFolder(const QString& dialog, const QString& folder)
{
    store(*m_store, kFolderPrefix + dialog, folder);
}

QString Settings::currentScheme() const
{
    return read(*m_store, kCurrentScheme);
}

void Settings::setCurrentScheme(const QString& path)
{
    write(*m_store, kCurrentScheme, path);
}

QStringList Settings::recentSchemes() const
{
    return read(*m_store, kRecentSchemes);
}

void Settings::setRecentSchemes(const QStringList& paths)
{
    write(*m_store, kRecentSchemes, paths);
}

QString Settings::drawsFolder() const
{
    return programNamed() ? read(*m_store, kDrawsFolder) : QString();
}

void Settings::setDrawsFolder(const QString& folder)
{
    if (programNamed())
        write(*m_store, kDrawsFolder, folder);
}

DrawsLayout Settings::drawsLayout() const
{
    std::string error;
    DrawsLayout layout;
    if (auto digits = parseDrawDigits(std::to_string(read(*m_store, kDrawsDigits)), &error))
        layout.digits = *digits;
    const QString take = read(*m_store, kDrawsTake);
    if (auto from = parseTake(take.toStdString(), layout.digits, &error); from && !take.isEmpty())
        layout.take = *from;
    const QString columns = read(*m_store, kDrawsColumns);
    if (auto roles = parseColumnRoles(columns.toStdString(), &error); roles && !columns.isEmpty())
        layout.columns = std::move(*roles);
    return layout;
}

void Settings::setDrawsLayout(const DrawsLayout& layout)
{
    write(*m_store, kDrawsDigits, layout.digits);
    write(*m_store, kDrawsTake, layout.take < 0 ? QString() : QString::fromStdString(takeText(layout)));
    write(*m_store, kDrawsColumns, QString::fromStdString(columnRolesText(layout.columns)));
}

PrizeTable Settings::prizeTable() const
{
    const QByteArray kept = read(*m_store, kPrizeTable).toUtf8();
    if (kept.isEmpty())
        return examplePrizeTable();
    PrizeTableReading reading = parsePrizeTable(kept);
    return reading.table ? std::move(*reading.table) : examplePrizeTable();
}

void Settings::setPrizeTable(const PrizeTable& table)
{
    write(*m_store, kPrizeTable, QString::fromUtf8(serializePrizeTable(table)));
}

bool Settings::startHintShown() const
{
    return read(*m_store, kStartHintShown);
}

void Settings::setStartHintShown(bool shown)
{
    write(*m_store, kStartHintShown, shown);
}

bool Settings::startHintDone() const
{
    return read(*m_store, kStartHintDone);
}

void Settings::setStartHintDone(bool done)
{
    write(*m_store, kStartHintDone, done);
}

} // namespace shrink4
