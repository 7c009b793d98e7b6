#pragma once

#include <QFont>

// Size and weight of a report text. Reports use one font family, so the layout measured here
// matches what the printer and the PDF file draw.
struct TextStyle {
    qreal pointSize = 8;
    bool bold = false;

    static TextStyle normal() { return {8, false}; }
    static TextStyle strong() { return {8, true}; }
    static TextStyle heading() { return {14, true}; }

    QFont font() const;
    bool operator==(const TextStyle&) const = default;
};
