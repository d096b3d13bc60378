#include "ui/balloon.h"

#include "ui/accessibletable.h"
#include "ui/chameleoncolors.h"
#include "ui/controls.h"
#include "ui/programbutton.h"
#include "ui/twips.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace fixtora {

namespace {

const QColor kTitleBand(0xF3, 0xF5, 0x9E);  // &H9EF5F3
constexpr double kCornerRadius = 12.5;      // corner ellipses of 25 x 25 pixels
constexpr int kTitleHeight = 20;
constexpr int kTitleIndent = 30;            // room for the icon before the title
constexpr int kIconSize = 16;
constexpr int kCloseSize = 18;
constexpr double kFontPoints = 8.25;
const QColor kCloseUp(0xF4, 0xF4, 0xF4);
const QColor kCloseDown(0xC0, 0xC0, 0xC0);
constexpr double kMarkContrast = 3.0;      // a mark, not text, wants 3:1

QPainterPath RoundedOutline(const QRectF &rect)
{
    QPainterPath path;
    path.addRoundedRect(rect, kCornerRadius, kCornerRadius);
    return path;
}

QPixmap StandardIcon(QStyle::StandardPixmap which)
{
    return QApplication::style()->standardIcon(which).pixmap(kIconSize, kIconSize);
}

// A flat icon of the older style: a glyph on a circle or a triangle.
QPixmap FlatIcon(const QColor &fill, const QColor &ink, const QString &glyph, bool triangle)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(fill);
    if (triangle)
        painter.drawPolygon(QPolygonF({{7.5, 0.5}, {15.5, 15.5}, {0.5, 15.5}}));
    else
        painter.drawEllipse(QRectF(0.5, 0.5, 15, 15));
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRect(0, triangle ? 3 : 0, kIconSize, kIconSize - (triangle ? 3 : 0)),
                     Qt::AlignCenter, glyph);
    return pixmap;
}

QPixmap CloseFace(const QColor &face)
{
    QPixmap pixmap(kCloseSize, kCloseSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.setBrush(face);
    painter.drawRoundedRect(QRectF(0.5, 0.5, kCloseSize - 1, kCloseSize - 1), 3, 3);
    return pixmap;
}

} // namespace

frmTip::frmTip()
    : lblTitle(MakeLabel(this, "lblTitle")),
      txtTip(new QTextEdit(this)),
      imgDisplayIcon(MakeLabel(this, "imgDisplayIcon")),
      imgX(MakeLabel(this, "imgX")),
      lblX(MakeLabel(this, "lblX", QString(QChar(0x00D7)))),
      timAutoClose(new QTimer(this)),
      imgIconXP{StandardIcon(QStyle::SP_MessageBoxInformation),
                StandardIcon(QStyle::SP_MessageBoxCritical),
                StandardIcon(QStyle::SP_MessageBoxWarning)},
      imgIcon{FlatIcon(Qt::blue, Qt::white, "i", false), FlatIcon(Qt::red, Qt::white, "x", false),
              FlatIcon(Qt::yellow, Qt::black, "!", true)},
      imgX_Up(CloseFace(kCloseUp)),
      imgX_Dn(CloseFace(kCloseDown))
{
    // A balloon opens without taking the keyboard, so a screen reader learns
    // of it by its role alone: read as it shows, by its name (the title) and
    // its description (the text).
    ReadAsNotification(this);
    setObjectName("frmTip");
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::Base, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    colours.setColor(QPalette::Text, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    QPalette onBand = colours;
    onBand.setColor(QPalette::WindowText, ReadableOn(colours.color(QPalette::ToolTipText), kTitleBand));
    lblTitle->setPalette(onBand);
    lblTitle->setIndent(kTitleIndent);
    lblTitle->setFixedHeight(kTitleHeight);
    lblTitle->installEventFilter(this);

    txtTip->setObjectName("txtTip");
    txtTip->setReadOnly(true);
    txtTip->setFrameShape(QFrame::NoFrame);
    txtTip->setFocusPolicy(Qt::NoFocus);
    txtTip->viewport()->installEventFilter(this);

    imgDisplayIcon->setFixedSize(kIconSize, kIconSize);

    imgX->setFixedSize(kCloseSize, kCloseSize);
    imgX->setPixmap(imgX_Up);
    imgX->installEventFilter(this);

    lblX->setToolTip("Close");
    lblX->setAccessibleName("Close");
    // The mark in the theme's tooltip text where it reads on the button's
    // light faces (a dark theme's is white), else black.
    QPalette onButton = colours;
    onButton.setColor(QPalette::WindowText,
                      ReadableOn(colours.color(QPalette::ToolTipText), {kCloseUp, kCloseDown}, kMarkContrast));
    lblX->setPalette(onButton);
    lblX->setAlignment(Qt::AlignCenter);
    lblX->setFixedSize(kCloseSize - 4, kCloseSize - 4);
    lblX->installEventFilter(this);

    timAutoClose->setObjectName("timAutoClose");
    connect(timAutoClose, &QTimer::timeout, this, &frmTip::HideBalloon);

    resize(TwipsToPixelsX(4680), TwipsToPixelsY(1620));
    RoundCorners();
}

void frmTip::SetBalloon(BalloonArgs &args, QWidget *owner)
{
    if (owner != parentWidget())
        setParent(owner, windowFlags());
    lblTitle->setText(args.Title);
    setWindowTitle(args.Title);
    setAccessibleName(args.Title);
    txtTip->setAccessibleName(args.Title);
    if (!args.Text.isEmpty())
        txtTip->setPlainText(args.Text);
    if (!args.RtfFile.isEmpty())
        LoadRtfFile(args.RtfFile);
    setAccessibleDescription(txtTip->toPlainText());
    move(TwipsToPixelsX(args.X), TwipsToPixelsY(args.Y));
    args.Icon = args.Icon.toLower();
    ShowIcon(args.Icon);
    imgX->setVisible(args.ShowClose);
    lblX->setVisible(args.ShowClose);
    timAutoClose->stop();
    if (args.AutoCloseMs > 0)
        timAutoClose->start(args.AutoCloseMs);
    resize(TwipsToPixelsX(args.Width), TwipsToPixelsY(args.Height));
    RoundCorners();

    QFont balloonFont(args.FontName);
    balloonFont.setPointSizeF(kFontPoints);
    if (args.RtfFile.isEmpty())
        txtTip->setFont(balloonFont);
    balloonFont.setBold(true);
    lblTitle->setFont(balloonFont);
}

void frmTip::RoundCorners()
{
    setMask(QRegion(RoundedOutline(QRectF(0, 0, width(), height())).toFillPolygon().toPolygon()));
    update();
}

void frmTip::HideBalloon()
{
    close();
}

void frmTip::CloseWith(QWidget *form)
{
    m_closesWith = form;
    form->installEventFilter(this);
    connect(form, &QObject::destroyed, this, &frmTip::HideBalloon);
}

void frmTip::StayWith(QWidget *window)
{
    m_window = window;
    qApp->installEventFilter(this);
    // A list dropped down from the window, or a balloon, is not another window.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *now) {
        if (!now || now->type() == Qt::Popup || now == m_window->windowHandle())
            return;
        const QWidgetList windows = QApplication::topLevelWidgets();
        const auto widget = std::ranges::find(windows, now, &QWidget::windowHandle);
        if (widget == windows.end() || !qobject_cast<frmTip *>(*widget))
            HideBalloon();
    });
}

void frmTip::ShowIcon(const QString &code)
{
    static const QStringList xpCodes{"i", "x", "!"};
    static const QStringList flatCodes{"i9", "x9", "!9"};
    if (const qsizetype xp = xpCodes.indexOf(code); xp >= 0)
        imgDisplayIcon->setPixmap(imgIconXP[xp]);
    else if (const qsizetype flat = flatCodes.indexOf(code); flat >= 0)
        imgDisplayIcon->setPixmap(imgIcon[flat]);
    imgDisplayIcon->setVisible(xpCodes.contains(code) || flatCodes.contains(code));
}

void frmTip::LoadRtfFile(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        txtTip->setText(QString::fromUtf8(file.readAll()));
}

bool frmTip::eventFilter(QObject *watched, QEvent *event)
{
    const bool escape = (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape;
    if (escape && m_window && watched->isWidgetType() && isVisible()
        && static_cast<QWidget *>(watched)->window() == m_window) {
        if (event->type() == QEvent::KeyPress)
            HideBalloon();
        event->accept();
        return true;
    }
    if (watched == m_closesWith) {
        if (event->type() == QEvent::Hide)
            HideBalloon();
        return false;
    }
    if (watched == lblTitle) {
        if (event->type() == QEvent::MouseButtonPress)
            DragForm(this);
        return event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonRelease
            || event->type() == QEvent::MouseButtonDblClick;
    }
    if (watched == imgX || watched == lblX)
        return CloseButtonEvent(event);
    if (watched == txtTip->viewport())
        return BodyEvent(event);
    return QWidget::eventFilter(watched, event);
}

// The close button shows its pressed face while the left button is down; the
// release then reaches the window, which closes.
bool frmTip::CloseButtonEvent(QEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress && event->type() != QEvent::MouseButtonRelease)
        return false;
    if (static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        imgX->setPixmap(event->type() == QEvent::MouseButtonPress ? imgX_Dn : imgX_Up);
    return false;
}

// A double click in the body closes the balloon; so does a single click when
// there is no close button.
bool frmTip::BodyEvent(QEvent *event)
{
    const bool closes = event->type() == QEvent::MouseButtonDblClick
        || (event->type() == QEvent::MouseButtonRelease && imgX->isHidden()
            && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton);
    if (closes)
        HideBalloon();
    return closes;
}

void frmTip::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        HideBalloon();
}

// Shown, the balloon is announced as an alert is, where the desktop's screen
// reader takes alerts; elsewhere its role has it read as it shows.
void frmTip::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void frmTip::resizeEvent(QResizeEvent *)
{
    const int w = width();
    const int h = height();
    const int t = lblTitle->height();
    lblTitle->setGeometry(0, 1, w, t);
    txtTip->setGeometry(8, t + 10, qMax(0, w - 20), qMax(0, h - (t + 10) - 20));
    lblX->move(w - lblX->width() - 13, 5);
    imgX->move(w - lblX->width() - 15, 2);
    imgDisplayIcon->move(10, 2);
    imgX->raise();
    lblX->raise();
}

void frmTip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    painter.fillRect(lblTitle->geometry(), kTitleBand);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(RoundedOutline(QRectF(0.5, 0.5, width() - 1, height() - 1)));
}

bool DragForm(QWidget *window)
{
    if (window->isMaximized() || !window->windowHandle())
        return false;
    return window->windowHandle()->startSystemMove();
}

QPoint BalloonPlace(const QRect &anchor, const QSize &size, const QRect &area)
{
    int x = anchor.left();
    if (x + size.width() > area.left() + area.width())
        x = area.left() + area.width() - size.width();
    int y = anchor.top() + anchor.height();
    if (y + size.height() > area.top() + area.height())
        y = anchor.top() - size.height();
    return {std::max(x, area.left()), std::max(y, area.top())};
}

frmTip *ShowHelpBalloon(QWidget *anchor, const QString &title, const QString &text, QWidget *owner)
{
    BalloonArgs args;
    args.Title = title;
    args.Text = text;
    const QRect control(anchor->mapToGlobal(QPoint(0, 0)), anchor->size());
    const QSize size(TwipsToPixelsX(args.Width), TwipsToPixelsY(args.Height));
    const QPoint corner = BalloonPlace(control, size, anchor->screen()->availableGeometry());
    args.X = PixelsToTwipsX(corner.x());
    args.Y = PixelsToTwipsY(corner.y());
    auto *tip = new frmTip;
    tip->SetBalloon(args, owner ? owner : anchor->window());
    tip->show();
    tip->StayWith(anchor->window());
    anchor->window()->activateWindow();
    return tip;
}

void ConnectHelpButton(QWidget *form, const HelpButton &help, bool closesWithForm)
{
    auto *button = form->findChild<QAbstractButton *>(QLatin1String(help.button));
    QWidget *anchor = form->findChild<QWidget *>(QLatin1String(help.anchor));
    Q_ASSERT(button && anchor);
    if (button->accessibleName().isEmpty())
        button->setAccessibleName(HelpButtonName(QLatin1String(help.title)));
    QObject::connect(button, &QAbstractButton::clicked, form, [form, anchor, help, closesWithForm] {
        frmTip *tip = ShowHelpBalloon(anchor, QLatin1String(help.title), QLatin1String(help.text));
        if (closesWithForm)
            tip->CloseWith(form);
    });
}

} // namespace fixtora
