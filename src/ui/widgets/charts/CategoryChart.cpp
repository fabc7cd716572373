#include "CategoryChart.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace shrink4::charts {

namespace {

const QColor kAxisColor(0x60, 0x60, 0x60);
const QColor kGridColor(0xe2, 0xe2, 0xe2);
const QColor kTextColor(0x30, 0x30, 0x30);
// Long captions of lying bars leave the plot at least the rest of the width.
constexpr qreal kMaxCaptionShare = 0.45;
// Captions under the bars start this many lines below the axis: clear of the lowest tick's
// label, which stands half a line below it, when the first caption reaches left past it.
constexpr qreal kCaptionDrop = 0.625;
// A bar fills this share of its category's band.
constexpr qreal kBarShare = 0.8;

QFont titleFont(QFont font)
{
    font.setBold(true);
    return font;
}

// A solid swatch, or a hatched one outlined so that it reads as a bar.
void paintSwatch(QPainter& painter, const QRectF& mark, const ChartSeries& entry)
{
    painter.fillRect(mark, QBrush(entry.color, entry.fill));
    if (entry.fill == Qt::SolidPattern)
        return;
    painter.setPen(QPen(entry.color, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(mark);
}

qreal widest(const QFontMetricsF& metrics, const QStringList& texts)
{
    qreal width = 0;
    for (const QString& text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

} // namespace

CategoryChart::CategoryChart(Qt::Orientation bars, QWidget* parent)
    : QWidget(parent),
      m_orientation(bars)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void CategoryChart::setTitle(const QString& title)
{
    m_title = title;
    relayout();
}

void CategoryChart::setAxisTitles(const QString& categories, const QString& values)
{
    m_categoryTitle = categories;
    m_valueTitle = values;
    relayout();
}

void CategoryChart::setValueSuffix(const QString& suffix)
{
    m_suffix = suffix;
    relayout();
}

void CategoryChart::setFixedTop(qreal top)
{
    m_fixedTop = top;
    relayout();
}

void CategoryChart::setCategories(const QStringList& captions)
{
    m_captions = captions;
    relayout();
}

int CategoryChart::captionStep() const
{
    return m_parts.step;
}

QSize CategoryChart::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {16 * line, 10 * line};
}

QSize CategoryChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {40 * line, 24 * line};
}

void CategoryChart::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void CategoryChart::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        relayout();
}

void CategoryChart::relayout()
{
    m_parts = measure();
    update();
}

QString CategoryChart::tickText(qreal value, const ValueTicks& ticks) const
{
    const int decimals = ticks.step >= 1 ? 0 : int(std::ceil(-std::log10(ticks.step) - 1e-9));
    return QString::number(value, 'f', decimals) + m_suffix;
}

CategoryChart::Parts CategoryChart::measure() const
{
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    const qreal pad = line / 2;
    QRectF area = QRectF(rect()).adjusted(pad, pad / 2, -pad, -pad / 2);
    Parts p;
    if (!m_title.isEmpty()) {
        // A title of several lines ("\n") takes the room of each.
        const qreal lines = qreal(m_title.count(u'\n') + 1);
        p.title = QRectF(area.left(), area.top(), area.width(), lines * QFontMetricsF(titleFont(font())).height());
        area.setTop(p.title.bottom() + pad / 2);
    }
    if (m_captions.isEmpty())
        return p;
    p.legend = QRectF(area.left(), area.bottom() - line, area.width(), line);
    area.setBottom(p.legend.top() - pad / 2);
    p.ticks = niceTicks(m_fixedTop > 0 ? m_fixedTop : largestValue(), wholeNumbers());
    p.step = 1;
    qreal widestTick = 0;
    for (qreal v = 0; v <= p.ticks.top * (1 + 1e-9); v += p.ticks.step)
        widestTick = std::max(widestTick, metrics.horizontalAdvance(tickText(v, p.ticks)));
    const qreal widestCaption = widest(metrics, m_captions);
    const qreal n = qreal(m_captions.size());
    if (vertical()) {
        // The value axis' title over its labels, the categories' under their captions.
        p.valueTitle = QRectF(area.left(), area.top(), area.width(), m_valueTitle.isEmpty() ? line / 2 : line);
        area.setTop(p.valueTitle.bottom() + line / 2); // the top tick stands half above the plot
        if (!m_categoryTitle.isEmpty()) {
            p.categoryTitle = QRectF(area.left(), area.bottom() - line, area.width(), line);
            area.setBottom(p.categoryTitle.top());
        }
        p.plot = QRectF(QPointF(area.left() + widestTick + pad / 2, area.top()),
                        QPointF(area.right(), area.bottom() - line - kCaptionDrop * line));
        p.captionExtent = line;
        p.step =
            charts::captionStep(widestCaption, 2 * metrics.horizontalAdvance(QLatin1Char('0')), p.plot.width() / n);
    } else {
        const qreal captionWidth = std::min(widestCaption, area.width() * kMaxCaptionShare);
        if (!m_categoryTitle.isEmpty()) {
            p.categoryTitle = QRectF(area.left(), area.top(), area.width(), line);
            area.setTop(p.categoryTitle.bottom() + pad / 4);
        }
        if (!m_valueTitle.isEmpty()) {
            p.valueTitle = QRectF(area.left(), area.bottom() - line, area.width(), line);
            area.setBottom(p.valueTitle.top());
        }
        p.plot = QRectF(QPointF(area.left() + captionWidth + pad / 2, area.top()),
                        QPointF(area.right() - widestTick / 2, area.bottom() - line - pad / 4));
        p.captionExtent = captionWidth;
        p.step = charts::captionStep(line, pad / 4, p.plot.height() / n);
    }
    return p;
}

QRectF CategoryChart::slot(int i) const
{
    const QRectF& plot = m_parts.plot;
    const qreal n = qreal(std::max<qsizetype>(1, m_captions.size()));
    if (vertical())
        return {plot.left() + plot.width() * i / n, plot.top(), plot.width() / n, plot.height()};
    return {plot.left(), plot.top() + plot.height() * i / n, plot.width(), plot.height() / n};
}

QPointF CategoryChart::point(int i, qreal value) const
{
    const QRectF s = slot(i);
    const qreal share = std::clamp(value / m_parts.ticks.top, 0.0, 1.0);
    if (vertical())
        return {s.center().x(), s.bottom() - share * s.height()};
    return {s.left() + share * s.width(), s.center().y()};
}

QRectF CategoryChart::barPart(int i, qreal from, qreal to) const
{
    const QRectF s = slot(i);
    const QPointF a = point(i, from);
    const QPointF b = point(i, to);
    if (vertical()) {
        const qreal width = s.width() * kBarShare;
        return QRectF(QPointF(s.center().x() - width / 2, b.y()), QPointF(s.center().x() + width / 2, a.y()));
    }
    const qreal height = s.height() * kBarShare;
    return QRectF(QPointF(a.x(), s.center().y() - height / 2), QPointF(b.x(), s.center().y() + height / 2));
}

int CategoryChart::categoryAt(QPointF at) const
{
    const QRectF& plot = m_parts.plot;
    if (m_captions.isEmpty() || !plot.contains(at))
        return -1;
    const qreal share = vertical() ? (at.x() - plot.left()) / plot.width() : (at.y() - plot.top()) / plot.height();
    return std::clamp(int(share * qreal(m_captions.size())), 0, int(m_captions.size()) - 1);
}

QString CategoryChart::captionText(int i) const
{
    if (vertical())
        return m_captions[i];
    return QFontMetricsF(font()).elidedText(m_captions[i], Qt::ElideRight, m_parts.captionExtent);
}

QList<QRectF> CategoryChart::captionRects() const
{
    QList<QRectF> rects;
    const QFontMetricsF metrics(font());
    const qreal line = metrics.height();
    for (int i = 0; i < m_captions.size(); i += m_parts.step) {
        const qreal width = metrics.horizontalAdvance(captionText(i));
        const QRectF s = slot(i);
        if (vertical()) {
            // Centred under its bar, but kept within the chart.
            const qreal left = std::clamp(s.center().x() - width / 2, 0.0, std::max(0.0, qreal(this->width()) - width));
            rects << QRectF(left, m_parts.plot.bottom() + kCaptionDrop * line, width, line);
        } else {
            rects << QRectF(s.left() - line / 4 - width, s.center().y() - line / 2, width, line);
        }
    }
    return rects;
}

void CategoryChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(kTextColor);
    if (m_captions.isEmpty()) {
        // Nothing to draw: the title says why, in the middle.
        painter.setFont(titleFont(font()));
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, m_title);
        return;
    }
    painter.save();
    painter.setFont(titleFont(font()));
    QStringList lines = m_title.split(u'\n');
    for (QString& line : lines)
        line = painter.fontMetrics().elidedText(line, Qt::ElideRight, int(m_parts.title.width()));
    painter.drawText(m_parts.title, Qt::AlignCenter, lines.join(u'\n'));
    painter.restore();
    paintFrame(painter);
    paintCaptions(painter);
    painter.save();
    painter.setClipRect(m_parts.plot.adjusted(-2, -2, 2, 2));
    paintData(painter);
    painter.restore();
    paintLegend(painter);
}

void CategoryChart::paintFrame(QPainter& painter) const
{
    const QRectF& plot = m_parts.plot;
    const qreal line = QFontMetricsF(font()).height();
    for (qreal v = 0; v <= m_parts.ticks.top * (1 + 1e-9); v += m_parts.ticks.step) {
        const QPointF at = point(0, v);
        painter.setPen(kGridColor);
        if (vertical()) {
            painter.drawLine(QPointF(plot.left(), at.y()), QPointF(plot.right(), at.y()));
            painter.setPen(kTextColor);
            painter.drawText(QRectF(0, at.y() - line / 2, plot.left() - line / 4, line),
                             Qt::AlignRight | Qt::AlignVCenter, tickText(v, m_parts.ticks));
        } else {
            painter.drawLine(QPointF(at.x(), plot.top()), QPointF(at.x(), plot.bottom()));
            painter.setPen(kTextColor);
            painter.drawText(QRectF(at.x() - 4 * line, plot.bottom() + line / 8, 8 * line, line), Qt::AlignCenter,
                             tickText(v, m_parts.ticks));
        }
    }
    painter.setPen(kAxisColor);
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.setPen(kTextColor);
    const Qt::Alignment valueAlign = vertical() ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
    painter.drawText(m_parts.valueTitle, valueAlign, m_valueTitle);
    const Qt::Alignment categoryAlign = vertical() ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter;
    painter.drawText(m_parts.categoryTitle, categoryAlign, m_categoryTitle);
}

void CategoryChart::paintCaptions(QPainter& painter) const
{
    const QList<QRectF> rects = captionRects();
    for (int k = 0; k < rects.size(); ++k)
        painter.drawText(rects[k], Qt::AlignCenter, captionText(k * m_parts.step));
}

void CategoryChart::paintLegend(QPainter& painter) const
{
    const QList<ChartSeries> entries = legendEntries();
    const QFontMetricsF metrics(font());
    const qreal swatch = metrics.height() * 0.7;
    const qreal gap = metrics.height() / 2;
    qreal total = 0;
    for (const ChartSeries& e : entries)
        total += swatch * 2 + gap + metrics.horizontalAdvance(e.name) + 2 * gap;
    qreal x = m_parts.legend.center().x() - total / 2;
    const qreal middle = m_parts.legend.center().y();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const ChartSeries& e : entries) {
        const QRectF mark(x, middle - swatch / 2, swatch * 2, swatch);
        if (legendAsLine(e)) {
            painter.setPen(QPen(e.color, 2, e.style));
            painter.drawLine(QPointF(mark.left(), middle), QPointF(mark.right(), middle));
        } else {
            paintSwatch(painter, mark, e);
        }
        x = mark.right() + gap;
        const qreal width = metrics.horizontalAdvance(e.name);
        painter.setPen(kTextColor);
        painter.drawText(QRectF(x, m_parts.legend.top(), width + 1, m_parts.legend.height()), Qt::AlignVCenter, e.name);
        x += width + 2 * gap;
    }
}

void CategoryChart::paintLine(QPainter& painter, const ChartSeries& line) const
{
    QPainterPath path;
    for (int i = 0; i < line.values.size() && i < m_captions.size(); ++i)
        i == 0 ? path.moveTo(point(i, line.values[i])) : path.lineTo(point(i, line.values[i]));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(line.color, 2, line.style));
    painter.drawPath(path);
    painter.restore();
}

} // namespace shrink4::charts
