// The program starts with the intro screen. When its load ends the program (the
// user refused to run below 1024x768), the event loop never runs.
//
// The one argument taken is a league or tournament file, as the desktop
// passes it when one is opened from the file manager: it opens once the main
// menu is up.

#include "app/windows.h"
#include "platform/desktopdialogs.h"
#include "shell/artwork.h"
#include "shell/forms.h"
#include "shell/introscreen.h"

#include <QApplication>
#include <QFileInfo>
#include <QIcon>

#include <cstdlib>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fixtora"));
    QApplication::setDesktopFileName(QStringLiteral("org.fixtora.Fixtora"));
    QApplication::setWindowIcon(QIcon(fixtora::LogoPicture(64)));
    fixtora::UseDesktopDialogs();
    if (const QStringList arguments = QApplication::arguments(); arguments.size() > 1)
        fixtora::SetLeagueToOpen(QFileInfo(arguments[1]).absoluteFilePath());
    fixtora::RegisterWindows();
    if (!fixtora::LoadForm<fixtora::IntroScreen>()->Load())
        return EXIT_SUCCESS;
    return app.exec();
}
