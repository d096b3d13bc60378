#pragma once
// What the shell asks of the desktop: the screen's size and resolution, opening
// a web address or a file in the user's browser, and ending the program. Tests replace the screen, the opener and the program end.

#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace fixtora {

// The screen as the start-up measures it.
struct ScreenInfo {
    int width = 1024;          // pixels
    int height = 768;          // pixels
    int twipsPerPixelX = 15;   // 15 at 96 pixels per inch
    int twipsPerPixelY = 15;
};

// The primary screen, or the screen set for tests.
ScreenInfo CurrentScreen();
void SetScreenForTests(std::optional<ScreenInfo> screen);

// Opens a web address (one with a scheme) or a local file in the user's
// browser, without waiting.
void StartExplorer(const QString &target);
void SetUrlOpenerForTests(std::function<void(const QUrl &)> opener);

// Ends the program: leaves the event loop; the windows are not asked anything.
void EndProgram();
void SetProgramEndForTests(std::function<void()> end);

} // namespace fixtora
