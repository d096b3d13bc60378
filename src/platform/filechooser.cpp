#include "platform/filechooser.h"

namespace fixtora {

namespace {

FileChooser &defaultChooser()
{
    static FileChooser current;
    return current;
}

FileChooser &chooser()
{
    static FileChooser current;
    return current;
}

} // namespace

QString ChooseFile(const FileDialogRequest &request)
{
    const FileChooser &choose = chooser() ? chooser() : defaultChooser();
    return choose ? choose(request) : QString();
}

void SetFileChooser(FileChooser newChooser)
{
    chooser() = std::move(newChooser);
}

void SetDefaultFileChooser(FileChooser newChooser)
{
    defaultChooser() = std::move(newChooser);
}

} // namespace fixtora
