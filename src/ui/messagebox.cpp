#include "ui/messagebox.h"

#include "ui/centredpage.h"
#include "ui/chameleonbutton.h"
#include "ui/chameleoncolors.h"
#include "ui/controls.h"
#include "ui/twips.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace fixtora {

namespace {

// Geometry of the window and its controls, in twips.
constexpr int kInnerWidth = 5580;
constexpr int kInnerHeight = 3435;
constexpr int kButtonTop = 2880;
constexpr int kButtonHeight = 375;
constexpr QRect kLabel1(0, 0, 5580, 540);
constexpr QRect kLabel2(120, 600, 5340, 300);
constexpr QRect kPicture1(120, 1020, 480, 480);
constexpr QRect kMessage(720, 1020, 4740, 1740);
struct ButtonPlace {
    int left;
    int width;
};
constexpr std::array<ButtonPlace, 4> kButtonPlaces{{{2895, 1095}, {4080, 1095}, {600, 975}, {1680, 1095}}};
constexpr std::array<int, 4> kPlacesLeftToRight{2, 3, 0, 1};
constexpr int kIconPixels = 32;
const QColor kNavy(0, 0, 0x80);
constexpr qint32 kButtonFace = 0xC0C0C0;

// Captions of the button places 0 to 3 for each button set (null: hidden),
// and the place Esc presses.
struct ButtonSet {
    std::array<const char *, 4> captions;
    int cancelPlace;
};
constexpr std::array<ButtonSet, 8> kButtonSets{{
    {{"Abort", "Retry", nullptr, "Ignore"}, -1},  // AbortRetryIgnore
    {{nullptr, nullptr, "Help", nullptr}, -1},     // HelpOnly
    {{"OK", "Cancel", nullptr, nullptr}, 1},       // OKCancel
    {{"OK", nullptr, nullptr, nullptr}, 0},        // OKOnly: Esc dismisses the notice
    {{"Retry", "Cancel", nullptr, nullptr}, 1},    // RetryCancel
    {{"Yes", "No", nullptr, nullptr}, 1},          // YesNo: Esc answers "No"
    {{"No", "Cancel", nullptr, "Yes"}, 1},         // YesNoCancel
    {{nullptr, nullptr, nullptr, nullptr}, -1},    // NoButtons
}};

// The answer code of a button caption: its index here (MessageResult).
const QStringList kAnswerCaptions{"Cancel", "OK", "Retry", "Yes", "No", "Help", "Abort", "Ignore"};

QPixmap StockIcon(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which).pixmap(kIconPixels, kIconPixels);
}

// Navy, where it reads on the line's background.
QLabel *TitleLine(QWidget *parent, const char *name, double points, const QRect &twips, bool onWhite = false)
{
    QLabel *label = InArial(MakeLabel(parent, name), points);
    QPalette colours = label->palette();
    label->setAutoFillBackground(onWhite);
    if (onWhite)
        colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, ReadableOn(kNavy, colours.color(QPalette::Window)));
    label->setPalette(colours);
    PlaceInTwips(label, twips);
    return label;
}

QPlainTextEdit *MessageText(QWidget *parent, const char *name, Qt::ScrollBarPolicy scrollBars)
{
    QPlainTextEdit *text = MakeReadOnlyText(parent, name);
    text->setFocusPolicy(Qt::NoFocus);
    text->setFrameShape(QFrame::NoFrame);
    QPalette colours = text->palette();
    colours.setColor(QPalette::Base, colours.color(QPalette::Window));
    text->setPalette(colours);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(scrollBars);
    PlaceInTwips(text, kMessage);
    return text;
}

// Disables every enabled window and returns them; windows already disabled
// are left alone, so re-enabling the list restores each window's state.
QList<QPointer<QWidget>> DisableOpenWindows()
{
    QCoreApplication::processEvents();
    QList<QPointer<QWidget>> disabled;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->isEnabled()) {
            window->setEnabled(false);
            disabled.append(window);
        }
    }
    return disabled;
}

void EnableWindows(const QList<QPointer<QWidget>> &windows)
{
    QCoreApplication::processEvents();
    for (const QPointer<QWidget> &window : windows)
        if (window)
            window->setEnabled(true);
}

// The box as a screen reader sees it.
class MessageBoxAccessible : public QAccessibleWidget {
public:
    explicit MessageBoxAccessible(frmMSGBOX *box) : QAccessibleWidget(box, QAccessible::Dialog) {}

    QAccessible::Role role() const override
    {
        return static_cast<const frmMSGBOX *>(widget())->IsAlert() ? QAccessible::AlertMessage : QAccessible::Dialog;
    }

    QString text(QAccessible::Text which) const override
    {
        const auto *box = static_cast<const frmMSGBOX *>(widget());
        const auto *title = box->findChild<QLabel *>(QStringLiteral("Label1"));
        if (which == QAccessible::Name)
            return title->text().isEmpty() ? box->windowTitle() : title->text();
        if (which == QAccessible::Description)
            return box->Message();
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface *messageBoxAccessible(const QString &, QObject *object)
{
    auto *box = qobject_cast<frmMSGBOX *>(object);
    return box ? new MessageBoxAccessible(box) : nullptr;
}

} // namespace

int ShowMessage(MessageArgs &args)
{
    const QList<QPointer<QWidget>> disabled =
        args.DisableForms == 1 ? DisableOpenWindows() : QList<QPointer<QWidget>>();
    const QPointer<QWidget> asking = QApplication::activeWindow();
    const auto box = std::make_unique<frmMSGBOX>();
    box->Present(args);
    QEventLoop wait;
    QObject::connect(box.get(), &frmMSGBOX::Answered, &wait, &QEventLoop::quit);
    if (!box->Finished)
        wait.exec();
    const int answer = gMsgResult;
    EnableWindows(disabled);
    // The keyboard goes back to the window that asked.
    if (asking && asking->isVisible())
        asking->activateWindow();
    return answer;
}

void ReturnToRefusedBox(QWidget *box)
{
    box->setFocus(Qt::OtherFocusReason);
    if (auto *combo = qobject_cast<QComboBox *>(box))
        box = combo->lineEdit();
    if (auto *text = qobject_cast<QLineEdit *>(box))
        text->selectAll();
    else if (auto *spin = qobject_cast<QAbstractSpinBox *>(box))
        spin->selectAll();
}

void Refuse(const QString &title, const QString &subtitle, const QString &text, QWidget *box, const QString &caption,
            int icon)
{
    MessageArgs refusal;
    refusal.Icon = icon;
    refusal.Title = title;
    refusal.Subtitle = subtitle;
    refusal.Text = text;
    refusal.Caption = caption;
    ShowMessage(refusal);
    if (box)
        ReturnToRefusedBox(box);
}

bool AskYesNo(const QString &title, const QString &text, int keeps, int icon)
{
    MessageArgs question;
    question.Text = text;
    question.Buttons = MessageButtons::YesNo;
    question.Icon = icon;
    question.DefaultAnswer = keeps;
    question.Title = title;
    question.Subtitle = title;
    return ShowMessage(question) == MessageResult::Yes;
}

frmMSGBOX::frmMSGBOX()
    : Label1(TitleLine(this, "Label1", 14.25, kLabel1, true)),
      Label2(TitleLine(this, "Label2", 9, kLabel2)),
      lblMessage(MessageText(this, "lblMessage", Qt::ScrollBarAlwaysOff)),
      lblscrollbars(MessageText(this, "lblscrollbars", Qt::ScrollBarAlwaysOn)),
      Picture1(MakeLabel(this, "Picture1")),
      etimer(new QTimer(this)),
      Picture2(StockIcon(QStyle::SP_MessageBoxInformation)),
      Image1{StockIcon(QStyle::SP_MessageBoxCritical), StockIcon(QStyle::SP_MessageBoxWarning),
             StockIcon(QStyle::SP_MessageBoxInformation), StockIcon(QStyle::SP_MessageBoxQuestion),
             StockIcon(QStyle::SP_DialogHelpButton), StockIcon(QStyle::SP_DialogApplyButton),
             StockIcon(QStyle::SP_DialogSaveButton), StockIcon(QStyle::SP_FileIcon),
             StockIcon(QStyle::SP_DirIcon), StockIcon(QStyle::SP_BrowserStop),
             StockIcon(QStyle::SP_ComputerIcon), StockIcon(QStyle::SP_TrashIcon)}
{
    setObjectName("frmMSGBOX");
    static const bool readable = (QAccessible::installFactory(messageBoxAccessible), true);
    Q_UNUSED(readable);
    lblMessage->setAccessibleName(QStringLiteral("Message"));
    lblscrollbars->setAccessibleName(QStringLiteral("Message"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_QuitOnClose, false);
    // While the box waits, no other window takes input: nothing can close
    // or end the window whose handler is waiting for the answer.
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(TwipsToPixelsX(kInnerWidth), TwipsToPixelsY(kInnerHeight));

    Label1->setIndent(TwipsToPixelsX(kLabel2.x()));

    PlaceInTwips(Picture1, kPicture1);

    for (int place = 0; place < 4; ++place) {
        auto *button = new chameleonButton(this);
        button->setObjectName(ElementName("command1", place));
        PlaceInTwips(button, QRect(kButtonPlaces[place].left, kButtonTop, kButtonPlaces[place].width, kButtonHeight));
        button->setColorScheme(1);
        button->setBackColor(kButtonFace);
        button->setBackOver(kButtonFace);
        button->setMaskColor(kButtonFace);
        button->setForeColor(0);
        button->setForeOver(0);
        button->hide();
        connect(button, &chameleonButton::clicked, this, [this, place] { command1_Click(place); });
        command1[place] = button;
    }

    etimer->setObjectName("etimer");
    etimer->setInterval(5000);
    connect(etimer, &QTimer::timeout, this, [this] { Finish(MessageResult::TimedOut); });
}

void frmMSGBOX::Present(MessageArgs &args)
{
    for (chameleonButton *button : command1)
        button->setButtonType(args.ButtonStyle == 1 ? 3 : 2);
    SetTexts(args);
    if (args.Caption.isEmpty())
        args.Caption = QGuiApplication::applicationDisplayName();
    setWindowTitle(args.Caption);
    SetIcon(args.Icon);
    if (args.Buttons >= 10 && args.Buttons <= 48 && args.Buttons % 10 <= 8) {
        MakeDefault(args.Buttons / 10 - 1);
        args.Buttons %= 10;
    }
    if (args.Buttons == 0)
        args.Buttons = MessageButtons::OKOnly;
    SetButtonSet(args.Buttons);
    MakeDefaultAnswer(args.DefaultAnswer);
    m_alert = args.Buttons == MessageButtons::OKOnly && (args.Icon == 1 || args.Icon == 10);

    CentreOnScreen(this);
    show();
    QAccessibleEvent announced(this, m_alert ? QAccessible::Alert : QAccessible::DialogStart);
    QAccessible::updateAccessibility(&announced);
    MoveToPosition(args.Top, args.Left);
    TakeKeyboard();
    if (args.TimeoutMs > 0) {
        etimer->setInterval(args.TimeoutMs);
        etimer->start();
    }
}

// The box takes the keyboard from the window that asked, so that Enter and Esc
// answer the box instead of pressing that window's buttons again.
void frmMSGBOX::TakeKeyboard()
{
    raise();
    activateWindow();
    QWidget *focus = this;
    for (const int place : kPlacesLeftToRight) {
        chameleonButton *button = command1[place];
        if (button->isVisible() && (button->isDefault() || focus == this))
            focus = button;
    }
    focus->setFocus(Qt::ActiveWindowFocusReason);
}

QString frmMSGBOX::Message() const
{
    const QString subtitle = Label2->text();
    const QString text = (lblMessage->isVisibleTo(this) ? lblMessage : lblscrollbars)->toPlainText();
    return subtitle.isEmpty() || subtitle == Label1->text() ? text : subtitle + QLatin1Char('\n') + text;
}

void frmMSGBOX::SetTexts(const MessageArgs &args)
{
    Label1->setText(args.Title);
    Label2->setText(args.Subtitle);
    const bool scrolling = args.ScrollText != 0;
    QPlainTextEdit *shown = scrolling ? lblscrollbars : lblMessage;
    lblMessage->setVisible(!scrolling);
    lblscrollbars->setVisible(scrolling);
    shown->setPlainText(QString(args.Text).replace("\r\n", "\n"));
}

void frmMSGBOX::SetIcon(int icon)
{
    if (icon == 0)
        Picture1->setPixmap(Picture2);
    else if (icon >= 1 && icon <= static_cast<int>(Image1.size()))
        Picture1->setPixmap(Image1[icon - 1]);
    else
        Picture1->clear();
}

void frmMSGBOX::SetButtonSet(int code)
{
    if (code < 1 || code > static_cast<int>(kButtonSets.size()))
        return;
    const ButtonSet &set = kButtonSets[code - 1];
    for (int place = 0; place < 4; ++place) {
        if (set.captions[place]) {
            command1[place]->setCaption(set.captions[place]);
            command1[place]->show();
        }
    }
    if (set.cancelPlace >= 0)
        command1[set.cancelPlace]->setCancel(true);
    if (code == MessageButtons::OKOnly) {
        MakeDefault(0);
        command1[0]->move((width() - command1[0]->width()) / 2, command1[0]->y());
    }
}

void frmMSGBOX::MoveToPosition(int top, int left)
{
    if (left != -1)
        move(TwipsToPixelsX(left), y());
    if (top != -1)
        move(x(), TwipsToPixelsY(top));
}

void frmMSGBOX::command1_Click(int index)
{
    Finish(static_cast<int>(kAnswerCaptions.indexOf(command1[index]->Caption())));
}

void frmMSGBOX::MakeDefault(int place)
{
    for (chameleonButton *button : command1)
        button->setDefault(button == command1[place]);
}

void frmMSGBOX::MakeDefaultAnswer(int answer)
{
    if (answer < 0)
        return;
    for (int place = 0; place < 4; ++place)
        if (command1[place]->isVisibleTo(this) && kAnswerCaptions.indexOf(command1[place]->Caption()) == answer)
            MakeDefault(place);
}

void frmMSGBOX::Finish(int answer)
{
    if (Finished)
        return;
    etimer->stop();
    Finished = true;
    gMsgResult = static_cast<qint16>(answer);
    emit Answered();
}

// Closing the window by other means than a button ends the wait too: as Esc
// answers ("Cancel", or "No" in a box of "Yes" and "No"), else as a time-out.
void frmMSGBOX::closeEvent(QCloseEvent *event)
{
    const auto cancel = std::find_if(command1.begin(), command1.end(),
                                     [](const chameleonButton *button) { return button->isCancel(); });
    Finish(cancel != command1.end() ? static_cast<int>(kAnswerCaptions.indexOf((*cancel)->Caption()))
                                    : MessageResult::TimedOut);
    event->accept();
}

void frmMSGBOX::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        QApplication::beep();
    QWidget::changeEvent(event);
}

} // namespace fixtora
