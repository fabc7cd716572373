#pragma once
// The prize table in use, shared by the windows that price tickets: read from the settings
// when the main window is made, written back whole when the player sets another in
// 方案 → 奖金设置, and announced, so that every figure of money follows at once.

#include "engine/PrizeTable.h"

#include <QObject>

namespace shrink4 {

class PrizeSetting : public QObject {
    Q_OBJECT
public:
    explicit PrizeSetting(QObject* parent = nullptr);

    const PrizeTable& table() const { return m_table; }
    // Keeps `table` in the settings and says so.
    void set(const PrizeTable& table);

signals:
    void changed();

private:
    PrizeTable m_table;
};

} // namespace shrink4
