#pragma once
// The open and save file dialogs, behind one replaceable function (tests
// supply the chosen path this way). The desktop's dialog is the default the
// program installs (platform/desktopdialogs.h); with none, every choice is
// cancelled.

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

QString ChooseFile(const FileDialogRequest &request);

// Replaces the chooser; an empty function restores the default.
void SetFileChooser(FileChooser chooser);
void SetDefaultFileChooser(FileChooser chooser);

} // namespace fixtora
