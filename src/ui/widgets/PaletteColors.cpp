#include "PaletteColors.h"

#include <QWidget>

#include <algorithm>

namespace shrink4 {

namespace {

constexpr int kDarkGround = 128; // below this lightness the text has to be light
constexpr int kLightText = 175;
constexpr int kDarkText = 95;

} // namespace

QColor readableOn(const QColor& color, const QColor& ground)
{
    const QColor hsl = color.toHsl();
    const int lightness =
        ground.lightness() < kDarkGround ? std::max(hsl.lightness(), kLightText) : std::min(hsl.lightness(), kDarkText);
    return QColor::fromHsl(hsl.hslHue(), hsl.hslSaturation(), lightness);
}

QColor warningColor(const QPalette& palette)
{
    return readableOn(QColor(170, 0, 0), palette.color(QPalette::Window));
}

void showAsWarning(QWidget* widget)
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, warningColor(colours));
    widget->setPalette(colours);
}

} // namespace shrink4
