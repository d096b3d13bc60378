#include "model/filedialogs.h"

#include "model/league.h"

#include <QStringList>

namespace fixtora {

namespace {

const QString kLeagueExt = QStringLiteral(".tbl");
const QString kCompanionExt = QStringLiteral(".ext");

// gDialogFilter holds pairs of description and pattern, each ended by a NUL.
QString nameFilter(const QString &filter)
{
    const QStringList parts = filter.split(QChar(u'\0'), Qt::SkipEmptyParts);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString pattern = QLatin1Char('(') + parts[i + 1] + QLatin1Char(')');
        filters.append(parts[i].endsWith(pattern) ? parts[i] : parts[i] + QLatin1Char(' ') + pattern);
    }
    return filters.join(QStringLiteral(";;"));
}

// Runs the dialog, unless a path was chosen already; the chosen path with
// blanks trimmed, or nothing when cancelled.
bool runDialog(bool save, QString &path)
{
    const FileDialogRequest request{save, save ? QStringLiteral("save file") : QStringLiteral("Open file"), gSavePath,
                                    nameFilter(gDialogFilter)};
    if (path.isEmpty())
        path = ChooseFile(request);
    while (path.startsWith(QLatin1Char(' ')))
        path.remove(0, 1);
    while (path.endsWith(QLatin1Char(' ')))
        path.chop(1);
    gDialogResult = path.isEmpty() ? 0 : 1;
    if (gDialogResult == 0)
        return false;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        gFileFolder = path.left(slash + 1);
    return true;
}

QString filterOf(const QString &description, const QString &pattern)
{
    return description + QChar(u'\0') + pattern + QChar(u'\0');
}

} // namespace

QString TournamentFilter()
{
    return filterOf(QStringLiteral("Fixtora Tournament (*.tr)"), QStringLiteral("*.tr"));
}

QString LeagueAndTournamentFilter()
{
    return filterOf(QStringLiteral("Fixtora Leagues and Tournaments (*.tbl *.tr)"), QStringLiteral("*.tbl *.tr"))
           + filterOf(QStringLiteral("Fixtora Leagues (*.tbl)"), QStringLiteral("*.tbl")) + TournamentFilter();
}

QString WithExtension(const QString &path, const QString &ext)
{
    return path.endsWith(ext) ? path : path + ext;
}

QString CompanionPath(const QString &leaguePath)
{
    if (leaguePath.endsWith(kLeagueExt))
        return leaguePath.left(leaguePath.size() - kLeagueExt.size()) + kCompanionExt;
    return leaguePath + kCompanionExt;
}

void ShowOpenDialog(const QString &chosen)
{
    QString path = chosen;
    if (!runDialog(false, path))
        return;
    gLeagueFile = path;
    gExtFile = gFileFolder + QStringLiteral("names.ext");
    gExtFileName = CompanionPath(path);
}

void ShowSaveDialog()
{
    QString path;
    if (!runDialog(true, path))
        return;
    gLeagueFile = WithExtension(path, gDialogExt);
}

} // namespace fixtora
