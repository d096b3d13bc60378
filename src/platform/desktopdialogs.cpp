#include "platform/desktopdialogs.h"

#include "platform/filechooser.h"
#include "platform/systembox.h"
#include "platform/usermessage.h"

#include <QFileDialog>

namespace fixtora {

namespace {

// Non-native, and nothing is asked before an existing file is chosen for saving.
QString chooseWithFileDialog(const FileDialogRequest &request)
{
    const QFileDialog::Options options = QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite;
    if (request.save)
        return QFileDialog::getSaveFileName(nullptr, request.title, request.folder, request.nameFilter, nullptr,
                                            options);
    return QFileDialog::getOpenFileName(nullptr, request.title, request.folder, request.nameFilter, nullptr, options);
}

} // namespace

void UseDesktopDialogs()
{
    SetDefaultFileChooser(chooseWithFileDialog);
    SetUserMessageBox(SystemMessage);
}

} // namespace fixtora
