#pragma once
// The open and save file dialogs for league and tournament files. The caller
// sets gDialogFilter (and for saving gDialogExt, gDialogExtLen) and reads
// gDialogResult, gLeagueFile and gFileFolder afterwards.

#include <QString>

#include <functional>

namespace fixtora {

struct FileDialogRequest {
    bool save = false;
    QString title;        // "Open file" or "save file"
    QString folder;       // start folder
    QString nameFilter;   // in QFileDialog's form, "Description (*.ext)"
};

// Shows the dialog and returns the chosen path, or an empty text when the
// user cancelled.
using FileChooser = std::function<QString(const FileDialogRequest &)>;

// Replaces the chooser (tests supply the path this way); an empty function
// restores the non-native QFileDialog.
void SetFileChooser(FileChooser chooser);

// The path with ext added unless it already ends with it (exact case).
QString WithExtension(const QString &path, const QString &ext);
// The companion of a league file: its final ".tbl" replaced by ".ext", or
// ".ext" added when it has none.
QString CompanionPath(const QString &leaguePath);

void ShowOpenDialog();
void ShowSaveDialog();

} // namespace fixtora
