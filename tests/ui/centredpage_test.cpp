#include "ui/centredpage.h"

#include <QFrame>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace fixtora;

// A 400x300 frame in pages of several sizes: centred where it fits; where it
// does not, it starts at the page's edge and the page scrolls just far enough
// to bring its far edge into view.
TEST(CentreInPage, CentredWhereItFitsAndScrolledIntoReachWhereNot)
{
    const struct {
        QSize page;
        bool scrollsAcross;
        bool scrollsDown;
    } rows[] = {
        {{1000, 700}, false, false},
        {{400, 300}, false, false},
        {{300, 700}, true, false},
        {{1000, 200}, false, true},
        {{250, 180}, true, true},
    };
    for (const auto &row : rows) {
        QWidget page;
        auto *frame = new QFrame;
        frame->resize(400, 300);
        auto *corner = new QPushButton(QStringLiteral("far corner"), frame);
        corner->setObjectName(QStringLiteral("corner"));
        corner->setGeometry(340, 270, 60, 30);
        QScrollArea *area = CentreInPage(&page, frame);
        page.resize(row.page);
        page.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
        SCOPED_TRACE(testing::Message() << row.page.width() << "x" << row.page.height());

        EXPECT_EQ(page.findChild<QPushButton *>(QStringLiteral("corner")), corner);
        const QSize shown = area->viewport()->size();
        EXPECT_EQ(area->horizontalScrollBar()->isVisible(), row.scrollsAcross);
        EXPECT_EQ(area->verticalScrollBar()->isVisible(), row.scrollsDown);
        const QPoint at = frame->mapTo(area->viewport(), QPoint(0, 0));
        EXPECT_NEAR(at.x(), row.scrollsAcross ? 0 : (shown.width() - 400) / 2.0, 0.5);
        EXPECT_NEAR(at.y(), row.scrollsDown ? 0 : (shown.height() - 300) / 2.0, 0.5);

        // Scrolled to the end, the far corner's button is inside what the page shows.
        area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
        area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        const QRect button(corner->mapTo(area->viewport(), QPoint(0, 0)), corner->size());
        EXPECT_TRUE(QRect(QPoint(0, 0), shown).contains(button));
    }
}
