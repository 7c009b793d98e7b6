#include "entry/ui/Radiogruppe.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

Radiogruppe::Radiogruppe(const QString& titel, const QStringList& eintraege, int spalten, QWidget* parent)
    : QGroupBox(titel, parent), gruppe_(new QButtonGroup(this))
{
    auto* layout = new QGridLayout(this);
    for (int i = 0; i < eintraege.size(); ++i) {
        auto* knopf = new QRadioButton(eintraege.at(i), this);
        gruppe_->addButton(knopf, i);
        layout->addWidget(knopf, i / spalten, i % spalten);
    }
    connect(gruppe_, &QButtonGroup::idToggled, this, [this](int id, bool an) {
        if (an)
            emit geaendert(id);
    });
}

int Radiogruppe::itemIndex() const
{
    return gruppe_->checkedId();
}

void Radiogruppe::setItemIndex(int index)
{
    if (QAbstractButton* knopf = gruppe_->button(index))
        knopf->setChecked(true);
}

QRadioButton* Radiogruppe::knopf(int index) const
{
    return static_cast<QRadioButton*>(gruppe_->button(index));
}
