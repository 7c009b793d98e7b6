#include "evaluation/report/ReportPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

namespace {

constexpr qreal millimetresPerInch = 25.4;
constexpr qreal ruleWidth = 0.25; // mm

class PagePainter {
public:
    PagePainter(QPainter& painter, const QPagedPaintDevice& device)
        : painter_(painter),
          dotsPerMmX_(device.logicalDpiX() / millimetresPerInch),
          dotsPerMmY_(device.logicalDpiY() / millimetresPerInch)
    {
    }

    void paint(const ReportPage& page)
    {
        painter_.setPen(QPen(Qt::black, ruleWidth * dotsPerMmY_));
        for (const QLineF& rule : page.rules)
            painter_.drawLine(QLineF(toDevice(rule.p1()), toDevice(rule.p2())));
        for (const PlacedText& text : page.texts) {
            painter_.setFont(text.style.font());
            painter_.drawText(QRectF(toDevice(text.box.topLeft()), toDevice(text.box.bottomRight())),
                              text.alignment | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, text.text);
        }
    }

private:
    QPointF toDevice(const QPointF& millimetres) const
    {
        return QPointF(millimetres.x() * dotsPerMmX_, millimetres.y() * dotsPerMmY_);
    }

    QPainter& painter_;
    const qreal dotsPerMmX_;
    const qreal dotsPerMmY_;
};

} // namespace

bool paintReport(const LaidOutReport& report, QPagedPaintDevice& device, const QPageRanges& pages)
{
    device.setPageLayout(report.page.pageLayout());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    PagePainter pagePainter(painter, device);
    bool first = true;
    for (int number = 1; number <= report.pageCount(); ++number) {
        if (!pages.isEmpty() && !pages.contains(number))
            continue;
        if (!first)
            device.newPage();
        first = false;
        pagePainter.paint(report.pages[number - 1]);
    }
    return painter.end();
}
