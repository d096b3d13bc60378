#pragma once
// Help balloons. frmTip is a frameless tool window with rounded corners: a
// bold title on a pale yellow band, an optional icon, a close button and a
// rich-text body. Every help click makes a new balloon, so several can be open
// at once; each closes itself when clicked, when its close button is pressed or
// when its auto-close timer runs out, and deletes itself when it closes. A
// screen reader reads it as it opens, by its title and its text.
//
// Typical use, from the click handler of a "?" button:
//     ShowHelpBalloon(txtPassword, "Enter Password", "Your software seems ...");

#include <QPixmap>
#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QTextEdit;
class QTimer;

namespace fixtora {

// The eleven settings of a balloon, in SetBalloon's order. The defaults are
// those of every "?" button. SetBalloon writes Icon back in lower case.
struct BalloonArgs {
    QString Title;                // caption of the title line
    QString Text;                 // body text; empty keeps the body as it is
    int X = 0;                    // left edge on the screen, twips
    int Y = 0;                    // top edge on the screen, twips
    QString Icon = "i";           // "i", "x", "!"; "i9", "x9", "!9" the older style; else none
    bool ShowClose = true;        // show the close button
    int AutoCloseMs = 0;          // more than 0: close after this many ms
    int Height = 1620;            // window height, twips
    int Width = 4680;             // window width, twips
    QString FontName = "Tahoma";  // font of the window, the title and the body
    QString RtfFile;              // not empty: a rich-text (HTML) file loaded into the body
};

class frmTip : public QWidget {
    Q_OBJECT
public:
    frmTip();

    // Fills, places and sizes the balloon; owner (may be null) owns the
    // window, which then stays above it. Show it afterwards.
    void SetBalloon(BalloonArgs &args, QWidget *owner);
    // Gives the window its rounded outline (25 x 25 pixel corners).
    void RoundCorners();
    // Closes the balloon; it deletes itself.
    void HideBalloon();
    // The balloon closes as soon as form is hidden or unloaded.
    void CloseWith(QWidget *form);
    // The balloon belongs to window: Escape typed there closes it (the
    // newest balloon first, before the window sees the key), and so does
    // the keyboard moving to any other window of the program, so that no
    // balloon is left over a window opened later.
    void StayWith(QWidget *window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void ShowIcon(const QString &code);
    void LoadRtfFile(const QString &path);
    bool CloseButtonEvent(QEvent *event);
    bool BodyEvent(QEvent *event);

    QLabel *lblTitle;
    QTextEdit *txtTip;
    QLabel *imgDisplayIcon;
    QLabel *imgX;
    QLabel *lblX;
    QTimer *timAutoClose;
    QWidget *m_closesWith = nullptr;
    QWidget *m_window = nullptr;
    // Pictures kept for the icon and the close button.
    std::array<QPixmap, 3> imgIconXP;  // information, error, warning
    std::array<QPixmap, 3> imgIcon;    // the same in the older, flat style
    QPixmap imgX_Up;
    QPixmap imgX_Dn;
};

// Lets the window manager move window as if its caption were dragged by the
// mouse. Nothing happens for a maximised window. Returns whether a move began.
bool DragForm(QWidget *window);

// Where a balloon of size opens for the control at anchor (both in screen
// pixels) so that it is wholly inside area, the screen's available part: its
// top-left corner at the control's lower-left corner, moved left as far as
// needed to end at area's right edge, and put above the control instead when
// it would run past area's bottom. A balloon larger than area keeps its
// top-left corner inside it.
QPoint BalloonPlace(const QRect &anchor, const QSize &size, const QRect &area);

// The balloon of a "?" button: a new frmTip placed by BalloonPlace under
// anchor (the control the button explains) on anchor's screen, 4680 x 1620
// twips, "Tahoma", icon "i", a close button and no auto-close, shown modeless
// and owned by owner (anchor's window when null). The focus then goes back to
// anchor's window, and the balloon stays with that window (StayWith). The
// balloon deletes itself when it closes.
frmTip *ShowHelpBalloon(QWidget *anchor, const QString &title, const QString &text,
                        QWidget *owner = nullptr);

// What a "?" button of a window explains: the button's and the explained
// control's object names, and the balloon's title and text.
struct HelpButton {
    const char *button;
    const char *anchor;
    const char *title;
    const char *text;
};

// Makes a click on the "?" button of form open its balloon under the control
// it explains; the keyboard stays where it was. The button, unless already
// named, is read as help on the balloon's title. A balloon stays until the
// user closes it, or with closesWithForm until form is hidden or unloaded (a
// page's balloons go with their page).
void ConnectHelpButton(QWidget *form, const HelpButton &help, bool closesWithForm = false);

} // namespace fixtora
