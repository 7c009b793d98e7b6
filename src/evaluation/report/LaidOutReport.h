#pragma once

#include "evaluation/report/PageSetup.h"
#include "evaluation/report/TextStyle.h"

#include <QLineF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <vector>

// A report laid out on pages: single lines of text and horizontal rules at fixed positions, in
// millimetres from the top left corner inside the margins. Drawing only copies this onto a device.

struct PlacedText {
    QRectF box;
    QString text;
    TextStyle style;
    Qt::Alignment alignment = Qt::AlignLeft;
};

struct ReportPage {
    std::vector<PlacedText> texts;
    std::vector<QLineF> rules;

    // Every text of the page, top to bottom and left to right within a line.
    QStringList textsInReadingOrder() const;
    bool contains(const QString& text) const;
};

struct LaidOutReport {
    QString name;
    PageSetup page;
    std::vector<ReportPage> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
};
