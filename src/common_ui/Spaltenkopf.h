#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QTableView;

// Labels above a grid that shows no header of its own, each over the column it names, whatever
// the font and the column widths. The texts are the grid's header texts.
class Spaltenkopf : public QWidget {
    Q_OBJECT
public:
    explicit Spaltenkopf(QTableView* raster, QWidget* parent = nullptr);

    QLabel* beschriftung(int spalte) const { return beschriftungen_.at(spalte); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    bool eventFilter(QObject* beobachtet, QEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void moveEvent(QMoveEvent* ereignis) override;

private:
    void anordnen();

    QTableView* raster_;
    QList<QLabel*> beschriftungen_;
};
