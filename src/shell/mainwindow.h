#pragma once
// Main: the program's main window. Every task window opens inside its
// workspace. Loading it does the program's start-up work once per run: the
// version check, the preferences with their defaults, and an empty league.

#include <QMainWindow>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace fixtora {

class Main : public QMainWindow {
    Q_OBJECT
public:
    Main();

    // Puts form into a window of the workspace the first time, then shows it,
    // maximised when asked, on top of the others. This window is shown with
    // it, maximised on the screen the first time.
    //
    // A window keeps its state while others come and go in front of it: a
    // maximised one is still maximised when the window over it goes.
    //
    // Whenever a window of the workspace is hidden, closed, unloaded or
    // minimised, by whatever path, the window in front of those left showing
    // gets the keyboard; the main menu comes back maximised once no task
    // window is left showing (the options are none), behind the options when
    // they show and with the keyboard on its first control when they do not.
    // A task window that ends may still call ShowMainMenu() itself; both ways
    // give the same result.
    //
    // The main menu stays behind every other window of the workspace, also
    // when it is clicked: a window smaller than the workspace, or minimised,
    // is never hidden behind it.
    void ShowMdiChild(QWidget *form, bool maximised);
    // Puts form into a window of the workspace (once) and returns that window,
    // not shown yet: for a form that sets its window's flags before showing.
    QMdiSubWindow *AddMdiChild(QWidget *form);
    // Hides form's window in the workspace; the form stays loaded.
    void HideMdiChild(QWidget *form);

    // The caption: kept exactly as set while a maximised window of the
    // workspace would add its own title to it.
    void SetCaption(const QString &caption);
    QString Caption() const { return m_caption; }

protected:
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void CheckVersion();
    void ReadDefaultFolder();
    void ReadWeekName();
    void StoreDefault(const char *name, const QString &value);
    void ReportUnstoredPreferences();
    void CreateMenus();
    void ShowMaximisedOnScreen();
    void ReleaseKeyboard(QWidget *window);
    void QueueWorkspaceCheck();
    void KeepWorkspaceInUse();
    void KeepMenuBehind();

    void Exit_Click();
    void Customize_Click();
    void Contents_Click();
    void InternetHelp_Click();
    void whatnew_Click();
    void About_Click();

    QMdiArea *m_area;
    QString m_caption;
    bool m_ending = false;                // Exit has run: nothing is brought back
    bool m_workspaceCheckQueued = false;  // KeepWorkspaceInUse is about to run
    bool m_preferencesStored = true;      // every default of the start-up was stored
};

// The help page and the release notes the program ships (platform/appinfo.h).
QString HelpFile();
QString WhatsNewFile();

} // namespace fixtora
