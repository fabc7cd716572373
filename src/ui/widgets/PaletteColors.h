#pragma once
// Colours that stay readable under the system palette, light or dark: a hue is kept, its
// lightness taken from the side of the ground it is drawn on.

#include <QColor>
#include <QPalette>

class QWidget;

namespace shrink4 {

// color as dark as it is on a light ground, lightened on a dark one.
QColor readableOn(const QColor& color, const QColor& ground);
// The red of counts and warnings, on the window's ground.
QColor warningColor(const QPalette& palette);
// Gives a label (or any widget's text) the warning red of its own palette.
void showAsWarning(QWidget* widget);

} // namespace shrink4
