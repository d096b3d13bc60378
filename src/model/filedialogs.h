#pragma once
// The open and save file dialogs for league and tournament files. The caller
// sets gDialogFilter (and for saving gDialogExt, gDialogExtLen) and reads
// gDialogResult, gLeagueFile and gFileFolder afterwards.

#include "platform/filechooser.h"

#include <QString>

namespace fixtora {

// The path with ext added unless it already ends with it (exact case).
QString WithExtension(const QString &path, const QString &ext);
// The companion of a league file: its final ".tbl" replaced by ".ext", or
// ".ext" added when it has none.
QString CompanionPath(const QString &leaguePath);

void ShowOpenDialog();
void ShowSaveDialog();

} // namespace fixtora
