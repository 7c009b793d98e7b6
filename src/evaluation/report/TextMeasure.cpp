#include "evaluation/report/TextMeasure.h"

#include <QTextLayout>

namespace {

constexpr qreal measuringDpi = 1200;
constexpr qreal millimetresPerInch = 25.4;

qreal toMillimetres(qreal dots)
{
    return dots * millimetresPerInch / measuringDpi;
}

qreal toDots(qreal millimetres)
{
    return millimetres * measuringDpi / millimetresPerInch;
}

} // namespace

TextMeasure::TextMeasure() : device_(1, 1, QImage::Format_RGB32)
{
    const int dotsPerMetre = qRound(measuringDpi / millimetresPerInch * 1000);
    device_.setDotsPerMeterX(dotsPerMetre);
    device_.setDotsPerMeterY(dotsPerMetre);
}

TextMeasure::Measured& TextMeasure::measured(const TextStyle& style)
{
    const auto key = std::make_pair(style.pointSize, style.bold);
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        const QFont font = style.font();
        found = cache_.emplace(key, Measured{font, QFontMetricsF(font, &device_)}).first;
    }
    return found->second;
}

qreal TextMeasure::lineHeight(const TextStyle& style)
{
    return toMillimetres(measured(style).metrics.lineSpacing());
}

qreal TextMeasure::width(const QString& text, const TextStyle& style)
{
    return toMillimetres(measured(style).metrics.horizontalAdvance(text));
}

QStringList TextMeasure::wrap(const QString& text, const TextStyle& style, qreal width)
{
    Measured& m = measured(style);
    const qreal widthInDots = toDots(width);
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        if (m.metrics.horizontalAdvance(paragraph) <= widthInDots)
            lines << paragraph;
        else
            lines << wrapParagraph(paragraph, m.font, widthInDots);
    }
    return lines;
}

QStringList TextMeasure::wrapParagraph(const QString& paragraph, const QFont& font, qreal widthInDots)
{
    QTextLayout layout(paragraph, font, &device_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(widthInDots);
        lines << paragraph.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    return lines;
}
