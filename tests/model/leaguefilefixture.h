#pragma once
// The set-up the league file tests share: a temporary folder for the files,
// the open dialog answering with the file a test chose, the loader's messages
// and caption collected, and the points a team league's results are built with.

#include "model/filedialogs.h"
#include "model/league.h"
#include "model/leaguefile.h"
#include "model/leaguepair.h"
#include "model/settings.h"
#include "testleague.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace fixtora::test {

// The key league files are written with, and what a file that is no league gives.
inline const QByteArray kKey = "Rk8mQv3Zt6";
inline const QString kNotValid = "Not a Valid project file, try another";

class LeagueFileFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetLeagueFileHooks({[this](const QString &m) { messages.append(m); },
                            [this](const QString &c) { caption = c; }});
        SetFileChooser([this](const FileDialogRequest &) { return chosen; });
        test::UseUsualPoints();
    }
    void TearDown() override
    {
        SetLeagueFileHooks({});
        SetFileChooser({});
        SetInstallStepHook({});
        SetBusyTimeoutForTests(0);
    }

    // A name in the test folder; an absolute path stays as it is.
    QString path(const QString &name) const { return QDir(dir.path()).filePath(name); }

    QStringList files() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    }
    // The names of the folder's files, in order, one blank between.
    std::string folder() const { return files().join(' ').toStdString(); }

    // Writes the league the model holds as a new pair at file.
    FileResult create(const QString &file)
    {
        gLeagueFile = path(file);
        return CreateLeagueFile();
    }

    // Opens file as the main menu does: reset, then the loader.
    FileResult load(const QString &file)
    {
        InitialiseGlobals();
        messages.clear();
        chosen = path(file);
        return LoadLeague();
    }

    QTemporaryDir dir;
    QString chosen;
    QStringList messages;
    QString caption;
};

} // namespace fixtora::test
