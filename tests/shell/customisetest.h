#pragma once
// The options dialog's test fixture: the settings every test starts from, the
// dialog opened as the user opens it, and its controls by name.

#include "shelltest.h"


#include "model/league.h"
#include "model/settings.h"
#include "platform/registry.h"
#include "shell/customise.h"
#include "shell/forms.h"
#include "shell/mainwindow.h"
#include "shell/password.h"
#include "shell/taskwindows.h"
#include "testleague.h"
#include "ui/balloon.h"
#include "ui/chameleonbutton.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

#include <functional>

namespace fixtora::test {

inline QString Reg(const char *name) { return GetRegString(kHKeyLocalMachine, kSoftwareKey, name, "<missing>"); }
inline void SetReg(const char *name, const QString &value) { ASSERT_TRUE(StorePreference(name, value)); }

// Runs action, answers every box it shows with OK and returns their texts.
// Every box of this dialog is the system's, with the program's name.
inline QStringList MessagesDuring(const std::function<void()> &action)
{
    BoxAnswers boxes;
    action();
    for (const SeenBox &box : boxes.seen()) {
        EXPECT_EQ(box.kind, "system");
        EXPECT_EQ(box.title, "Fixtora");
    }
    return boxes.texts();
}

class CustomiseTest : public ShellTest
{
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        LoadForm<Main>();  // its start-up reads the preferences; the test's own come after
        gSavePath = iniFolder.path();
        gDateVisible = true;
        gWeekVisible = false;
        gTableNameVisible = true;
        gStartEndSummary = false;
        gAddGamesPerMatch = true;
        gHomeAwayRule = false;
        gEachGameIs = "Frame";
        test::UseUsualPoints();
        gWeekName = "Round";
        gBubbleHelp = 0;
        gTableRefresh = 0;
        gTableOrder = {"", "Index", "Name", "Wins", "", "", "", "", ""};
        gTableShow = {"", "No", "Player", "W", "", "", "", "", ""};
        gSortOrder = {"", "Points", "Wins", "Name", "Lost", "Draw"};
        SetReg(kRegPassword, "none");
        SetReg(kRegBubbleHelp, "1");
        SetReg(kRegTableOrder, "unchanged");
        SetReg(kRegTableShow, "unchanged");
        SetReg(kRegSortOrder, "unchanged");
    }

    // The dialog as the user opens it: Edit, Customise, maximised in Main.
    customise *Open()
    {
        LoadForm<Main>()->findChild<QAction *>("Customize")->trigger();
        return LoadedForm<customise>();
    }

    template <class T>
    T *Child(const QString &name) { return Find<T>(LoadedForm<customise>(), name); }
    QLineEdit *Text(const QString &name) { return Child<QLineEdit>(name); }
    QComboBox *Combo(const QString &name) { return Child<QComboBox>(name); }
    QCheckBox *Check(const QString &name) { return Child<QCheckBox>(name); }
    QAbstractButton *Button(const QString &name) { return Child<QAbstractButton>(name); }

    // Picks item text from a column or sort box's list, as the user does.
    void Pick(const QString &box, const QString &item)
    {
        QComboBox *combo = Combo(box);
        const int index = combo->findText(item);
        ASSERT_GE(index, 0);
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    // Types text into a column or sort box with the keyboard, replacing what
    // it held, and leaves the box with Tab.
    void Type(const QString &box, const QString &text)
    {
        QLineEdit *edit = Combo(box)->lineEdit();
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
    }

    QStringList Close()
    {
        return MessagesDuring([this] { QTest::mouseClick(Button("command5"), Qt::LeftButton); });
    }

    QTemporaryDir iniFolder;
};

} // namespace fixtora::test
