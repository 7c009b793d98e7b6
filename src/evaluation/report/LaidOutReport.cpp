#include "evaluation/report/LaidOutReport.h"

#include <algorithm>

QStringList ReportPage::textsInReadingOrder() const
{
    std::vector<const PlacedText*> ordered;
    ordered.reserve(texts.size());
    for (const PlacedText& text : texts)
        ordered.push_back(&text);
    std::stable_sort(ordered.begin(), ordered.end(), [](const PlacedText* a, const PlacedText* b) {
        if (!qFuzzyCompare(a->box.top() + 1, b->box.top() + 1))
            return a->box.top() < b->box.top();
        return a->box.left() < b->box.left();
    });
    QStringList result;
    for (const PlacedText* text : ordered)
        result << text->text;
    return result;
}

bool ReportPage::contains(const QString& text) const
{
    return std::any_of(texts.begin(), texts.end(), [&](const PlacedText& placed) { return placed.text == text; });
}
