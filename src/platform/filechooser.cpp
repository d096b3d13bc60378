#include "platform/filechooser.h"

#include <QFileDialog>

namespace fixtora {

namespace {

QString chooseWithFileDialog(const FileDialogRequest &request)
{
    const QFileDialog::Options options = QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite;
    if (request.save)
        return QFileDialog::getSaveFileName(nullptr, request.title, request.folder, request.nameFilter, nullptr,
                                            options);
    return QFileDialog::getOpenFileName(nullptr, request.title, request.folder, request.nameFilter, nullptr, options);
}

FileChooser &chooser()
{
    static FileChooser current = chooseWithFileDialog;
    return current;
}

} // namespace

QString ChooseFile(const FileDialogRequest &request)
{
    return chooser()(request);
}

void SetFileChooser(FileChooser newChooser)
{
    chooser() = newChooser ? std::move(newChooser) : FileChooser(chooseWithFileDialog);
}

} // namespace fixtora
