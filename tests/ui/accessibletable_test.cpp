#include "ui/accessibletable.h"

#include "platform/drawtarget.h"
#include "ui/chameleoncolors.h"

#include <QAccessible>
#include <QFocusFrame>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace fixtora;

// 100 pixels to the unit. Qt tells only a listening tool of each move, so the test reads what one would ask.
TEST(AccessibleGrid, TheKeysWalkTheCellsAndEachCellReadsItsTextPlaceAndHeaders)
{
    QWidget window;
    auto *before = new QPushButton(QStringLiteral("before"), &window);
    auto *picture = new PictureBox(&window);
    picture->setGeometry(0, 40, 400, 300);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    picture->Scale(0, 0, 4, 3);
    TextGrid grid{QStringLiteral("Results"), {"Home", "Score"}, {{"Ann", "3"}, {"Ben", " "}, {"Cath", "1"}}, {}, {}, 0};
    for (int row = 0; row < 3; ++row)
        grid.places.append({QRectF(0, 1 + row * 0.5, 1, 0.5), QRectF(1, 1 + row * 0.5, 1, 0.5)});
    SetAccessibleGrid(picture, grid);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(picture);
    EXPECT_EQ(table->text(QAccessible::Name), "Results");
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(picture->hasFocus());
    const QPoint origin = picture->mapToGlobal(QPoint(0, 0));
    const std::tuple<QKeyCombination, QString, QPoint> rows[] = {
        {Qt::Key_Down, "Ben", {0, 1}},  {Qt::Key_Right, "", {1, 1}},  {Qt::CTRL | Qt::Key_Home, "Ann", {0, 0}},
        {Qt::Key_Up, "Ann", {0, 0}},    {Qt::Key_End, "3", {1, 0}},   {Qt::CTRL | Qt::Key_End, "1", {1, 2}},
        {Qt::Key_Home, "Cath", {0, 2}}, {Qt::Key_Right, "1", {1, 2}},
    };
    for (const auto &[keys, text, place] : rows) {
        QTest::keyClick(picture, keys.key(), keys.keyboardModifiers());
        QAccessibleInterface *cell = table->focusChild();
        ASSERT_TRUE(cell && cell->state().focused && cell->state().focusable) << text.toStdString();
        EXPECT_EQ(cell->text(QAccessible::Name), text);
        EXPECT_EQ(cell->rect(), QRect(origin + QPoint(place.x() * 100, 100 + place.y() * 50), QSize(100, 50)))
            << text.toStdString();
    }
    QAccessibleTableCellInterface *cell = table->focusChild()->tableCellInterface();
    EXPECT_EQ(cell->columnHeaderCells().value(0)->text(QAccessible::Name), "Score");
    EXPECT_EQ(cell->rowHeaderCells().value(0)->text(QAccessible::Name), "Cath");
    auto *mark = picture->findChild<QFocusFrame *>();
    ASSERT_TRUE(mark && mark->isVisible());
    EXPECT_TRUE(mark->geometry().contains(QRect(100, 200, 100, 50)));
    before->setFocus();
    EXPECT_FALSE(mark->isVisible()) << "the mark goes with the keyboard";
    EXPECT_EQ(table->focusChild(), nullptr);
    EXPECT_GE(std::min(ContrastRatio(FocusMarkColour(), Qt::black), ContrastRatio(FocusMarkColour(), Qt::white)), 3.0);
}
