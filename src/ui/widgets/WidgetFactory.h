#pragma once
// Small builders for the controls every window uses, so that names, captions and sizes
// are set in one place.

#include <QString>
#include <QStringList>

class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

namespace shrink4 {
class LineBox;
}

namespace shrink4 {

QGroupBox* makeFrame(const QString& title);
// Frames sit close together so that the whole window fits a small screen.
void compactFrameLayout(QLayout* layout);

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
// A narrow "清" / "全" style button whose width fits its one-character caption.
QPushButton* makeSmallButton(const QString& name, const QString& caption, QWidget* parent = nullptr);
QLabel* makeLabel(const QString& caption, QWidget* parent = nullptr);
LineBox* makeLine(const QString& name, const QString& text, QWidget* parent = nullptr);

} // namespace shrink4
