#include "customisetest.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QTabWidget>
#include <QTextEdit>
#include <gtest/gtest.h>

using namespace fixtora;
using namespace fixtora::test;

namespace {

TEST_F(CustomiseTest, TabsAreCentredInWhatTheWindowShows)
{
    customise *form = Open();
    Main *main = LoadForm<Main>();
    auto *tabs = Child<QTabWidget>("customise");
    for (const QSize size : {QSize(1000, 700), QSize(1366, 768), QSize(600, 400)}) {
        main->showNormal();
        main->resize(size);
        QCoreApplication::processEvents();
        SCOPED_TRACE(size.width());
        const QPoint at = tabs->mapTo(form, QPoint(0, 0));
        const bool fits = form->width() >= tabs->width() && form->height() >= tabs->height();
        EXPECT_NEAR(at.x(), fits ? (form->width() - tabs->width()) / 2.0 : 0, 0.5);
        EXPECT_NEAR(at.y(), fits ? (form->height() - tabs->height()) / 2.0 : 0, 0.5);
        const QWidget *viewport = Find<QAbstractScrollArea>(form, "pageArea")->viewport();
        EXPECT_EQ(viewport->size() != form->size(), !fits);  // scroll bars only where it does not fit
    }
}

// ---- Help balloons ---------------------------------------------------------------------------

// Each help button and the setting its balloon opens under.
const std::pair<const char *, const char *> kBalloons[] = {
    {"chameleonButton1", "Text5"},  {"chameleonButton2", "Text1"},  {"chameleonButton3", "Check4"},
    {"chameleonButton4", "Check6"}, {"chameleonButton5", "Check1"}, {"chameleonButton6", "Check2"},
    {"chameleonButton7", "Check3"}, {"chameleonButton8", "txtpath"}, {"chameleonButton9", "Text8"},
    {"chameleonButton10", "Text7"}, {"chameleonButton11", "Text6"}, {"Command3_1", "Check1"},
};

class CustomiseBalloonTest : public CustomiseTest
{
protected:
    QList<frmTip *> Balloons() { return LoadForm<Main>()->findChildren<frmTip *>(); }

    void TearDown() override
    {
        qDeleteAll(Balloons());
        CustomiseTest::TearDown();
    }
};

TEST_F(CustomiseBalloonTest, EveryHelpButtonOpensItsBalloonUnderItsSetting)
{
    Open();
    for (const auto &[button, anchorName] : kBalloons) {
        SCOPED_TRACE(button);
        qDeleteAll(Balloons());
        Button(button)->click();
        const QList<frmTip *> tips = Balloons();
        ASSERT_EQ(tips.size(), 1);
        EXPECT_TRUE(tips[0]->isVisible());
        EXPECT_FALSE(TextOf(tips[0], "lblTitle").isEmpty());
        EXPECT_FALSE(Find<QTextEdit>(tips[0], "txtTip")->toPlainText().isEmpty());
        QWidget *anchor = Child<QWidget>(anchorName);
        EXPECT_EQ(tips[0]->geometry().topLeft(), anchor->mapToGlobal(QPoint(0, anchor->height())));
    }
}

TEST_F(CustomiseBalloonTest, BalloonsIgnoreTheBubbleSettingAndGoWithTheDialog)
{
    Open();
    EXPECT_EQ(Button("Command14")->text(), "Off");
    Button("Command7")->click();
    EXPECT_TRUE(Balloons().isEmpty());

    Button("chameleonButton8")->click();
    Button("chameleonButton8")->click();
    QList<frmTip *> tips = Balloons();
    ASSERT_EQ(tips.size(), 2);
    EXPECT_EQ(tips[0]->pos(), tips[1]->pos());

    Close();
    ProcessUnloads();
    ASSERT_EQ(LoadedForm<customise>(), nullptr);
    EXPECT_TRUE(VisibleBalloons().isEmpty());
}

} // namespace
