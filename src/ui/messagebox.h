#pragma once
// The program's message box, for what a window says about its own controls:
// a refusal of what was typed or chosen (Refuse, which gives the keyboard
// back to the refused control) and a yes/no question about the window's own
// step (AskYesNo). Notices and questions about files and the league use the
// system box (platform/systembox.h); the model, which has no window, speaks
// through ShowUserMessage (platform/usermessage.h).
//
// ShowMessage fills the window frmMSGBOX with a
// title, a subtitle, the message, an icon and a set of buttons, shows it, waits
// until a button is pressed, the window is closed or the time-out runs out,
// and returns the answer code. The box is modal to the whole program: timers
// keep running while it waits, but no other window takes the user's input,
// so the window that asked is still there when the answer comes back.
//
// Typical calls:
//     MessageArgs error;
//     error.Text = "Invalid entry\r\n";
//     error.Caption = "Error!";
//     ShowMessage(error);                                // one "OK" button
//
//     MessageArgs question;
//     question.Text = "Save the League?";
//     question.Buttons = MessageButtons::YesNo;
//     if (ShowMessage(question) == MessageResult::Yes) ...

#include <QString>
#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QTimer;

namespace fixtora {

class chameleonButton;

// Button-set codes; add 10, 20, 30 or 40 to make button place 0, 1, 2 or 3
// the default button (26 is YesNo with "No" as default).
namespace MessageButtons {
inline constexpr int AbortRetryIgnore = 1;
inline constexpr int HelpOnly = 2;
inline constexpr int OKCancel = 3;
inline constexpr int OKOnly = 4;
inline constexpr int RetryCancel = 5;
inline constexpr int YesNo = 6;
inline constexpr int YesNoCancel = 7;
inline constexpr int NoButtons = 8;
} // namespace MessageButtons

// Answer codes, by the caption of the button pressed.
namespace MessageResult {
inline constexpr int Cancel = 0;
inline constexpr int OK = 1;
inline constexpr int Retry = 2;
inline constexpr int Yes = 3;
inline constexpr int No = 4;
inline constexpr int Help = 5;
inline constexpr int Abort = 6;
inline constexpr int Ignore = 7;
inline constexpr int TimedOut = -1;  // the time-out ran out, or closed where Esc answers nothing
} // namespace MessageResult

// The twelve arguments of ShowMessage, in their order. The defaults are those
// of the usual error box. ShowMessage writes back Buttons (the default-button
// tens removed, 0 turned into 4) and Caption (an empty one becomes the default).
struct MessageArgs {
    QString Text;          // the message
    int Buttons = MessageButtons::OKOnly;
    int Icon = 1;          // 0: the program's picture; 1 to 12: stock icon (1 error,
                           // 10 failed login); anything else: no icon
    QString Caption;       // window caption; empty: the application's name
    int DisableForms = 0;  // 1: every other window is disabled while the box is up
    int ScrollText = 0;    // not 0: the message goes into a box with scroll bars
    QString Title;         // title line; empty leaves it blank
    QString Subtitle;      // subtitle line; empty leaves it blank
    int TimeoutMs = -1;    // more than 0: the box closes by itself and answers -1
    int ButtonStyle = 1;   // 1: rounded buttons (type 3); else raised buttons (type 2)
    int Top = -1;          // window position in twips; -1 keeps that coordinate
    int Left = -1;         // of the centred window
    // The answer (MessageResult) whose button is the default button: it has
    // the keyboard when the box opens, so Return gives that answer. A question
    // one of whose answers throws work away names the answer that keeps it.
    // -1: the tens of Buttons choose, else the leftmost button has the keyboard.
    int DefaultAnswer = -1;
};

// The answer code of the last box, as ShowMessage returns it.
inline qint16 gMsgResult = 0;

// Shows the box and returns the answer code (MessageResult). The box takes
// the keyboard while it is up and gives it back to the window that was active
// before: its default button, else its leftmost button, has the focus; Return
// and Space answer the focused button, Esc answers "Cancel", or "No" in a box
// of "Yes" and "No", or "OK" where that is the only button.
int ShowMessage(MessageArgs &args);

// After a refusal: the keyboard goes back to the refused box (a text box, an
// editable combo box or a spin box) with its text selected, so that what the
// user types next replaces it.
void ReturnToRefusedBox(QWidget *box);

// A refusal or notice: the title and subtitle lines, the text, one "OK"
// button and the icon (the error icon unless told); an empty caption gives the
// program's name. When box is given, the keyboard goes back to it afterwards
// (ReturnToRefusedBox).
void Refuse(const QString &title, const QString &subtitle, const QString &text, QWidget *box = nullptr,
            const QString &caption = QString(), int icon = 1);

// A question of "Yes" and "No" under a title line repeated as its subtitle.
// The keyboard opens on keeps (MessageResult::Yes or No), the answer that
// keeps the user's work; Escape answers No. True for "Yes".
bool AskYesNo(const QString &title, const QString &text, int keeps, int icon = 1);

// The message window. Made and deleted by ShowMessage for each call.
class frmMSGBOX : public QWidget {
    Q_OBJECT
public:
    frmMSGBOX();

    // Fills the window from the arguments (writing back Buttons and Caption)
    // and shows it centred, then moved by Top and Left.
    void Present(MessageArgs &args);

    bool Finished = false;

    // What a screen reader reads: an error (a notice with the error or the
    // failed-login icon) is an alert, any other box a dialog; its name is
    // the title line, else the caption, and the message its description.
    bool IsAlert() const { return m_alert; }
    QString Message() const;

signals:
    // A button was pressed, the time-out ran out or the window was closed.
    void Answered();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void SetTexts(const MessageArgs &args);
    void SetIcon(int icon);
    void SetButtonSet(int code);
    void MoveToPosition(int top, int left);
    void TakeKeyboard();
    void command1_Click(int index);
    void MakeDefault(int place);
    void MakeDefaultAnswer(int answer);
    void Finish(int answer);

    QLabel *Label1;
    QLabel *Label2;
    QPlainTextEdit *lblMessage;
    QPlainTextEdit *lblscrollbars;
    QLabel *Picture1;
    std::array<chameleonButton *, 4> command1;
    QTimer *etimer;
    bool m_alert = false;
    // Pictures kept for the icon: Picture2's, and the twelve stock icons.
    QPixmap Picture2;
    std::array<QPixmap, 12> Image1;
};

} // namespace fixtora
