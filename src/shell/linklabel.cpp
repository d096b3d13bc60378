#include "shell/linklabel.h"

#include "ui/chameleoncolors.h"

#include <QMouseEvent>

namespace fixtora {

LinkLabel::LinkLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette link = palette();
    link.setColor(QPalette::WindowText, ReadableOn(link.color(QPalette::Link), link.color(QPalette::Window)));
    setPalette(link);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace fixtora
