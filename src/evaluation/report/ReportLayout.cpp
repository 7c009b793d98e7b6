#include "evaluation/report/ReportLayout.h"

#include "evaluation/report/TextMeasure.h"

#include <utility>

namespace {

// A band whose texts are broken into lines and placed relative to the band's top.
struct MeasuredBand {
    qreal height = 0;
    std::vector<PlacedText> texts;
    std::vector<bool> pageOfPages; // per text: filled with the page count later
    bool ruleAbove = false;
    bool ruleBelow = false;
};

QString pageOfPagesText(int page, int total)
{
    return QStringLiteral("Seite ") + QString::number(page) + QStringLiteral(" von ") + QString::number(total);
}

class Layouter {
public:
    explicit Layouter(const ReportDefinition& definition)
        : definition_(definition), bodySize_(definition.page.bodySize())
    {
        report_.name = definition.name;
        report_.page = definition.page;
    }

    LaidOutReport run()
    {
        const MeasuredBand pageHeader = measure(definition_.pageHeader);
        const MeasuredBand title = measure(definition_.title);
        const MeasuredBand columnHeader = measure(definition_.columnHeader);
        const MeasuredBand pageFooter = measure(definition_.pageFooter);
        const qreal bottom = bodySize_.height() - pageFooter.height;

        auto startPage = [&] {
            report_.pages.emplace_back();
            y_ = 0;
            place(pageHeader);
            if (report_.pages.size() == 1)
                place(title);
            place(columnHeader);
            pageBodyTop_ = y_;
        };
        auto finishPage = [&] {
            y_ = bottom;
            place(pageFooter);
        };
        // A band taller than an empty page body still goes on a page of its own rather than
        // starting pages forever.
        auto placeFlowing = [&](const MeasuredBand& band) {
            if (y_ + band.height > bottom && y_ > pageBodyTop_) {
                finishPage();
                startPage();
            }
            place(band);
        };

        startPage();
        for (const Band& detail : definition_.details)
            placeFlowing(measure(detail));
        placeFlowing(measure(definition_.summary));
        for (const Band& band : definition_.closing)
            placeFlowing(measure(band));
        finishPage();
        fillPageNumbers();
        return std::move(report_);
    }

private:
    MeasuredBand measure(const Band& band)
    {
        MeasuredBand measured;
        if (band.isEmpty())
            return measured;
        qreal contentHeight = 0;
        for (const BandColumn& column : band.columns) {
            qreal top = band.padding;
            for (const Cell& cell : column.cells) {
                const QStringList lines = cell.content == CellContent::PageOfPages
                                              ? QStringList{pageOfPagesText(9999, 9999)}
                                              : measure_.wrap(cell.text, cell.style, column.width);
                const qreal lineHeight = measure_.lineHeight(cell.style);
                for (const QString& line : lines) {
                    // An empty cell still takes its line but has nothing to draw.
                    if (line.isEmpty() && cell.content == CellContent::Text) {
                        top += lineHeight;
                        continue;
                    }
                    measured.texts.push_back(
                        PlacedText{QRectF(column.x, top, column.width, lineHeight), line, cell.style, cell.alignment});
                    measured.pageOfPages.push_back(cell.content == CellContent::PageOfPages);
                    top += lineHeight;
                }
            }
            contentHeight = std::max(contentHeight, top - band.padding);
        }
        measured.height = contentHeight + 2 * band.padding;
        measured.ruleAbove = band.ruleAbove;
        measured.ruleBelow = band.ruleBelow;
        return measured;
    }

    void place(const MeasuredBand& band)
    {
        if (band.height <= 0)
            return;
        ReportPage& page = report_.pages.back();
        const qreal width = bodySize_.width();
        if (band.ruleAbove)
            page.rules.emplace_back(0, y_, width, y_);
        for (std::size_t i = 0; i < band.texts.size(); ++i) {
            PlacedText text = band.texts[i];
            text.box.translate(0, y_);
            if (band.pageOfPages[i])
                pageNumberTexts_.emplace_back(report_.pages.size() - 1, page.texts.size());
            page.texts.push_back(std::move(text));
        }
        y_ += band.height;
        if (band.ruleBelow)
            page.rules.emplace_back(0, y_, width, y_);
    }

    void fillPageNumbers()
    {
        const int total = report_.pageCount();
        for (const auto& [page, text] : pageNumberTexts_)
            report_.pages[page].texts[text].text = pageOfPagesText(static_cast<int>(page) + 1, total);
    }

    const ReportDefinition& definition_;
    const QSizeF bodySize_;
    TextMeasure measure_;
    LaidOutReport report_;
    qreal y_ = 0;
    qreal pageBodyTop_ = 0;
    std::vector<std::pair<std::size_t, std::size_t>> pageNumberTexts_;
};

} // namespace

LaidOutReport layOutReport(const ReportDefinition& definition)
{
    return Layouter(definition).run();
}
