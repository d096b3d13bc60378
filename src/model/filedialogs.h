#pragma once
// The open and save file dialogs for league and tournament files. The caller
// sets gDialogFilter (and for saving gDialogExt) and reads
// gDialogResult, gLeagueFile and gFileFolder afterwards.

#include "platform/filechooser.h"

#include <QString>

namespace fixtora {

// gDialogFilter's texts: tournament files, and the open dialog's: leagues
// and tournaments together first, then each on its own.
QString TournamentFilter();
QString LeagueAndTournamentFilter();

// The path with ext added unless it already ends with it (exact case).
QString WithExtension(const QString &path, const QString &ext);
// The companion of a league file: its final ".tbl" replaced by ".ext", or
// ".ext" added when it has none.
QString CompanionPath(const QString &leaguePath);

// Asks for a league file to open; a path given is taken as the answer without
// asking (a file named on the command line).
void ShowOpenDialog(const QString &chosen = QString());
void ShowSaveDialog();

} // namespace fixtora
