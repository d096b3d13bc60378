#include "ui/programlabel.h"

#include <QLabel>

namespace fixtora {

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption)
{
    return MakeLabel(parent, QLatin1String(name), caption);
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    return label;
}

} // namespace fixtora
