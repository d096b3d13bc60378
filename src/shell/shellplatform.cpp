#include "shell/shellplatform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QScreen>

#include <cmath>

namespace fixtora {

namespace {

constexpr double kTwipsPerInch = 1440.0;

std::optional<ScreenInfo> &testScreen()
{
    static std::optional<ScreenInfo> screen;
    return screen;
}

std::function<void(const QUrl &)> &urlOpener()
{
    static std::function<void(const QUrl &)> opener = [](const QUrl &url) { QDesktopServices::openUrl(url); };
    return opener;
}

std::function<void()> &programEnd()
{
    static std::function<void()> end = [] { QCoreApplication::exit(0); };
    return end;
}

int twipsPerPixel(double dpi)
{
    return dpi > 0 ? static_cast<int>(std::lround(kTwipsPerInch / dpi)) : 15;
}

} // namespace

ScreenInfo CurrentScreen()
{
    if (testScreen())
        return *testScreen();
    ScreenInfo info;
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        info.width = screen->geometry().width();
        info.height = screen->geometry().height();
        info.twipsPerPixelX = twipsPerPixel(screen->logicalDotsPerInchX());
        info.twipsPerPixelY = twipsPerPixel(screen->logicalDotsPerInchY());
    }
    return info;
}

void SetScreenForTests(std::optional<ScreenInfo> screen)
{
    testScreen() = screen;
}

void StartExplorer(const QString &target)
{
    const QUrl address(target);
    urlOpener()(address.isRelative() ? QUrl::fromLocalFile(target) : address);
}

void SetUrlOpenerForTests(std::function<void(const QUrl &)> opener)
{
    urlOpener() = std::move(opener);
}

void EndProgram()
{
    programEnd()();
}

void SetProgramEndForTests(std::function<void()> end)
{
    programEnd() = std::move(end);
}

} // namespace fixtora
