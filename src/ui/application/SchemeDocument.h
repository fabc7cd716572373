#pragma once
// The current scheme file, and whether the conditions on screen differ from it (the
// title's "*"). Without a scheme file they are compared with the conditions the window
// started with.

#include "ui/application/ConditionsBaseline.h"

#include <QObject>
#include <QString>

#include <functional>

namespace shrink4 {

class SchemeDocument : public QObject {
    Q_OBJECT
public:
    // read gives the conditions on screen.
    SchemeDocument(std::function<ConditionInputs()> read, QObject* parent = nullptr);

    QString path() const { return m_path; }
    bool isModified() const { return m_saved.differs(); }
    const ConditionInputs& saved() const { return m_saved.baseline(); }

    // The conditions on screen are now those of the file at path (just opened or saved);
    // an empty path: those of no file.
    void setClean(const QString& path, ConditionInputs saved);
    // The file at path holds `saved`; the screen may differ from it (kept edits).
    void setFile(const QString& path, ConditionInputs saved);

    void conditionsChanged() { m_saved.conditionsChanged(); }
    // Compares the conditions on screen with the file's now.
    void compare() { m_saved.compare(); }

signals:
    void changed(); // the path or the mark

private:
    QString m_path;
    ConditionsBaseline m_saved;
};

} // namespace shrink4
