#include "evaluation/report/ReportBands.h"

#include <gtest/gtest.h>

TEST(ColumnGridFigureRow, NameAtTheLeftFiguresAtTheRightOneCellPerColumn)
{
    const ColumnGrid grid({40, 20, 20}, 2);
    const Band band = grid.figureRow({QStringLiteral("Meier"), QStringLiteral("3"), QStringLiteral("120")});
    ASSERT_EQ(band.columns.size(), 3u);
    const qreal xs[] = {0, 42, 64};
    const QString texts[] = {QStringLiteral("Meier"), QStringLiteral("3"), QStringLiteral("120")};
    const Qt::Alignment alignments[] = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight};
    for (std::size_t i = 0; i < band.columns.size(); ++i) {
        const BandColumn& column = band.columns[i];
        EXPECT_EQ(column.x, xs[i]);
        ASSERT_EQ(column.cells.size(), 1u);
        EXPECT_EQ(column.cells[0].text, texts[i]);
        EXPECT_EQ(column.cells[0].alignment, alignments[i]);
        EXPECT_EQ(column.cells[0].style, TextStyle::normal());
    }
}

TEST(ColumnGridFigureRow, ShortRowFillsTheRestEmptyAndTheStyleReachesEveryCell)
{
    const ColumnGrid grid({40, 20, 20});
    const Band band = grid.figureRow({QStringLiteral("Summe")}, TextStyle::strong());
    ASSERT_EQ(band.columns.size(), 3u);
    EXPECT_EQ(band.columns[0].cells.at(0).text, QStringLiteral("Summe"));
    for (const BandColumn& column : band.columns)
        EXPECT_EQ(column.cells.at(0).style, TextStyle::strong());
    EXPECT_TRUE(band.columns[1].cells.at(0).text.isEmpty());
    EXPECT_TRUE(band.columns[2].cells.at(0).text.isEmpty());
}
