#include "ui/centredpage.h"

#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace fixtora {

QScrollArea *CentreInPage(QWidget *page, QWidget *frame)
{
    auto *area = new QScrollArea(page);
    area->setObjectName(QStringLiteral("pageArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setAlignment(Qt::AlignCenter);
    area->setWidgetResizable(false);
    area->setWidget(frame);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(area);
    return area;
}

void CentreOnScreen(QWidget *window)
{
    if (!window->testAttribute(Qt::WA_Resized))
        window->adjustSize();
    window->move(window->screen()->availableGeometry().center() - window->rect().center());
}

} // namespace fixtora
