#pragma once

#include "evaluation/report/TextStyle.h"

#include <QFontMetricsF>
#include <QImage>
#include <QStringList>

#include <map>
#include <utility>

// Measures report texts in millimetres and breaks them into lines that fit a width. It measures
// on a high-resolution image, independent of the screen, with the fonts the painter uses.
class TextMeasure {
public:
    TextMeasure();

    qreal lineHeight(const TextStyle& style);
    qreal width(const QString& text, const TextStyle& style);
    // The text in lines no wider than the given width: at word boundaries where possible, within
    // a word where it is longer than the line. Line breaks in the text are kept.
    QStringList wrap(const QString& text, const TextStyle& style, qreal width);

private:
    struct Measured {
        QFont font;
        QFontMetricsF metrics;
    };
    Measured& measured(const TextStyle& style);
    QStringList wrapParagraph(const QString& paragraph, const QFont& font, qreal widthInDots);

    QImage device_;
    std::map<std::pair<qreal, bool>, Measured> cache_;
};
