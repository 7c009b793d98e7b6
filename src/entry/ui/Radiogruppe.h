#pragma once

#include <QGroupBox>

class QButtonGroup;
class QRadioButton;

// A captioned group of radio buttons in columns, addressed by item index. Every change of the
// selected item, by the user or by the program, is announced once; selecting the selected item
// again announces nothing.
class Radiogruppe : public QGroupBox {
    Q_OBJECT
public:
    Radiogruppe(const QString& titel, const QStringList& eintraege, int spalten, QWidget* parent = nullptr);

    int itemIndex() const;
    void setItemIndex(int index);
    QRadioButton* knopf(int index) const;

signals:
    void geaendert(int index);

private:
    QButtonGroup* gruppe_;
};
