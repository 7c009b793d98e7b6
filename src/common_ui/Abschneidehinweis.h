#pragma once

#include <QObject>
#include <QString>

class QModelIndex;
class QTableView;

// A grid cell too narrow for its text shows the whole text as a tooltip.
class Abschneidehinweis : public QObject {
    Q_OBJECT
public:
    // Installs the hint on the grid once; a second call changes nothing.
    static void einrichten(QTableView* raster);

    // The full text of a cell its column cuts; empty when the text shows in full.
    static QString abgeschnittenerText(const QTableView* raster, const QModelIndex& zelle);

protected:
    bool eventFilter(QObject* beobachtet, QEvent* ereignis) override;

private:
    explicit Abschneidehinweis(QTableView* raster);

    QTableView* raster_;
};
