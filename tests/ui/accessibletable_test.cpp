#include "ui/accessibletable.h"

#include "platform/drawtarget.h"
#include "ui/chameleoncolors.h"

#include <QAccessible>
#include <QFocusFrame>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace fixtora;

// A picture of 100 pixels to the unit, its cells one unit wide and half a
// unit tall below a heading band: the keys move the cell that has the focus,
// which reads its text and its place on the screen and is marked while the
// picture has the keyboard. (Assistive tools are told of each move; Qt sends
// the news only while one listens, so the test reads what they would ask.)
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
    TextGrid grid{QStringLiteral("Results"), {"Home", "Score"}, {{"Ann", "3"}, {"Ben", " "}, {"Cath", "1"}}};
    for (int row = 0; row < 3; ++row)
        grid.places.append({QRectF(0, 1 + row * 0.5, 1, 0.5), QRectF(1, 1 + row * 0.5, 1, 0.5)});
    grid.headerColumn = 0;
    SetAccessibleGrid(picture, grid);
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(picture);
    EXPECT_EQ(table->text(QAccessible::Name), "Results");

    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(picture->hasFocus());
    const QPoint origin = picture->mapToGlobal(QPoint(0, 0));
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        QPoint cell;
    } rows[] = {
        {Qt::Key_Down, Qt::NoModifier, "Ben", {0, 1}},      {Qt::Key_Right, Qt::NoModifier, "", {1, 1}},
        {Qt::Key_Home, Qt::ControlModifier, "Ann", {0, 0}}, {Qt::Key_Up, Qt::NoModifier, "Ann", {0, 0}},
        {Qt::Key_End, Qt::NoModifier, "3", {1, 0}},         {Qt::Key_End, Qt::ControlModifier, "1", {1, 2}},
        {Qt::Key_Home, Qt::NoModifier, "Cath", {0, 2}},     {Qt::Key_Right, Qt::NoModifier, "1", {1, 2}},
    };
    for (const auto &row : rows) {
        QTest::keyClick(picture, row.key, row.modifiers);
        QAccessibleInterface *cell = table->focusChild();
        ASSERT_NE(cell, nullptr);
        EXPECT_EQ(cell->text(QAccessible::Name), row.text);
        EXPECT_TRUE(cell->state().focused && cell->state().focusable);
        EXPECT_EQ(cell->rect(), QRect(origin + QPoint(row.cell.x() * 100, 100 + row.cell.y() * 50), QSize(100, 50)))
            << row.text.toStdString();
    }
    QAccessibleTableCellInterface *cell = table->focusChild()->tableCellInterface();
    EXPECT_EQ(cell->columnHeaderCells().value(0)->text(QAccessible::Name), "Score");
    EXPECT_EQ(cell->rowHeaderCells().value(0)->text(QAccessible::Name), "Cath");
    auto *mark = picture->findChild<QFocusFrame *>();
    ASSERT_NE(mark, nullptr);
    EXPECT_TRUE(mark->isVisible());
    EXPECT_TRUE(mark->geometry().contains(QRect(100, 200, 100, 50)));
    before->setFocus();
    EXPECT_FALSE(mark->isVisible()) << "the mark goes with the keyboard";
    EXPECT_EQ(table->focusChild(), nullptr);
    EXPECT_GE(ContrastRatio(FocusMarkColour(), Qt::black), 3.0);
    EXPECT_GE(ContrastRatio(FocusMarkColour(), Qt::white), 3.0);
}
