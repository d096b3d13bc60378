#include "ui/centredpage.h"

#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

namespace fixtora {

QScrollArea *CentreInPage(QWidget *page, QWidget *frame, PageFit fit)
{
    auto *area = new QScrollArea(page);
    area->setObjectName(QStringLiteral("pageArea"));
    area->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own for Tab: the page's first control takes the
    // keyboard, and the area scrolls to whichever control has it.
    area->setFocusPolicy(Qt::NoFocus);
    area->setAlignment(fit == PageFit::Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    area->setWidgetResizable(fit == PageFit::Fills);
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
