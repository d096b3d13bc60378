#pragma once
// IntroScreen: the window the program starts with. Its load shows the version
// and the screen size, checks the display and reads "config.ini"; Continue
// asks for the password when one is set, otherwise opens the main window.

#include <QWidget>

class QCheckBox;
class QLabel;

namespace fixtora {

class chameleonButton;
class LinkLabel;

class IntroScreen : public QWidget {
    Q_OBJECT
public:
    IntroScreen();

    // The load: false when the user chose to end the program (the settings
    // are then not read and the window is not shown).
    bool Load();

private:
    void ShowDisplay(const QSize &size);
    bool CheckResolution(const QSize &size);
    void command1_Click();
    void Label5_Click();

    QLabel *Label1;
    QLabel *Label3;
    QLabel *lblVersion;
    QLabel *Label2;
    QLabel *Label6;
    LinkLabel *Label5;
    QCheckBox *Check1;
    QLabel *Label4;
    chameleonButton *command1;
    QLabel *Picture5;
    QLabel *Picture3;
};

// Hides the intro screen, shows Main maximised (its loading runs the start-up
// work) and the main menu inside it, then opens the league set to open, once.
void OpenMainWindow();

// A league file to open as Open League would once the main menu is up after
// the intro screen and the login: the file named on the command line.
void SetLeagueToOpen(const QString &path);

} // namespace fixtora
