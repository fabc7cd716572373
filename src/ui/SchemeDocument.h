#pragma once
// The current scheme file, and whether the conditions on screen differ from it (the
// title's "*"). Without a scheme file they are compared with the start-up state.

#include "conditions/ConditionInputs.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

namespace shrink4 {

class SchemeDocument : public QObject {
    Q_OBJECT
public:
    // read gives the conditions on screen.
    SchemeDocument(std::function<ConditionInputs()> read, QObject* parent = nullptr);

    QString path() const { return m_path; }
    bool isModified() const { return m_modified; }

    // The conditions on screen are now those of the file at path (just opened or saved);
    // an empty path: those of no file.
    void setClean(const QString& path, ConditionInputs saved);

    // Any condition changed: marked at once; compared with the file once the changes pause,
    // so that an undo back to the file's conditions clears the mark.
    void conditionsChanged();
    // Compares the conditions on screen with the file's now.
    void compare();

signals:
    void changed(); // the path or the mark

private:
    void setModified(bool modified);

    std::function<ConditionInputs()> m_read;
    QString m_path;
    ConditionInputs m_saved;
    bool m_modified = false;
    QTimer m_compare;
};

} // namespace shrink4
