#include "ui/chameleonbutton.h"

#include "platform/numbers.h"
#include "ui/chameleoncanvas.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

namespace fixtora {

namespace {

// Mouse buttons and modifier keys as the button's events report them.
qint16 ButtonCode(Qt::MouseButtons buttons)
{
    return qint16((buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0)
                  | (buttons & Qt::MiddleButton ? 4 : 0));
}

qint16 ShiftCode(Qt::KeyboardModifiers modifiers)
{
    return qint16((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
                  | (modifiers & Qt::AltModifier ? 4 : 0));
}

constexpr int CodeReturn = 13, CodeSpace = 32, CodeLeft = 37, CodeUp = 38, CodeRight = 39, CodeDown = 40;

// Return or Enter without a modifier: what presses the focused button.
bool IsReturnKey(const QKeyEvent *e)
{
    return (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)
           && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

qint16 KeyCode(int key)
{
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12)
        return qint16(112 + key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter: return CodeReturn;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    case Qt::Key_Escape: return 27;
    case Qt::Key_PageUp: return 33;
    case Qt::Key_PageDown: return 34;
    case Qt::Key_End: return 35;
    case Qt::Key_Home: return 36;
    case Qt::Key_Left: return CodeLeft;
    case Qt::Key_Up: return CodeUp;
    case Qt::Key_Right: return CodeRight;
    case Qt::Key_Down: return CodeDown;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Delete: return 46;
    default: break;
    }
    // Space, digits and letters have the same codes.
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) || key == Qt::Key_Space)
        return qint16(key);
    return 0;
}

// The mouse pointers a button can show, by their pointer codes 1 to 15.
Qt::CursorShape PointerShape(qint32 pointer)
{
    static constexpr Qt::CursorShape shapes[] = {
        Qt::ArrowCursor, Qt::CrossCursor, Qt::IBeamCursor, Qt::ArrowCursor, Qt::SizeAllCursor,
        Qt::SizeBDiagCursor, Qt::SizeVerCursor, Qt::SizeFDiagCursor, Qt::SizeHorCursor,
        Qt::UpArrowCursor, Qt::WaitCursor, Qt::ForbiddenCursor, Qt::BusyCursor,
        Qt::WhatsThisCursor, Qt::SizeAllCursor};
    return pointer >= 1 && pointer <= 15 ? shapes[pointer - 1] : Qt::ArrowCursor;
}

constexpr qint32 CustomPointer = 99;

} // namespace

chameleonButton::chameleonButton(QWidget *parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    SetColors();
}

// ---- properties ------------------------------------------------------------

void chameleonButton::setBackColor(qint32 colour)
{
    m_BackColor = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setBackOver(qint32 colour)
{
    m_BackOver = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setForeColor(qint32 colour)
{
    m_ForeColor = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setForeOver(qint32 colour)
{
    m_ForeOver = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setMaskColor(qint32 colour)
{
    m_MaskColor = colour;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setButtonType(qint32 type)
{
    m_ButtonType = type;
    if (type == 11 && m_DrawingEnabled)
        GetParentBackground();
    Resize();
}

void chameleonButton::setColorScheme(qint32 scheme)
{
    m_ColorScheme = scheme;
    SetColors();
    Redraw(StateUp, true);
}

void chameleonButton::setCaption(const QString &caption)
{
    setText(caption);
    SetAccessKeys();
    CalcTextRects();
    Redraw(StateUp, true);
}

void chameleonButton::changeFont(const std::function<void(QFont &)> &change)
{
    QFont changed = font();
    change(changed);
    setFont(changed);
}

void chameleonButton::setFontBold(bool on)
{
    changeFont([on](QFont &f) { f.setBold(on); });
}

void chameleonButton::setFontItalic(bool on)
{
    changeFont([on](QFont &f) { f.setItalic(on); });
}

void chameleonButton::setFontUnderline(bool on)
{
    changeFont([on](QFont &f) { f.setUnderline(on); });
}

qint16 chameleonButton::FontSize() const
{
    return qint16(RoundHalfEven(font().pointSizeF()));
}

void chameleonButton::setFontSize(qint16 points)
{
    changeFont([points](QFont &f) { f.setPointSize(points); });
}

void chameleonButton::setFontName(const QString &name)
{
    changeFont([&name](QFont &f) { f.setFamily(name); });
}

void chameleonButton::setShowFocusRect(bool on)
{
    m_ShowFocusRect = on;
    Redraw(m_lastState, true);
}

void chameleonButton::setMousePointer(qint32 pointer)
{
    m_MousePointer = qint16(pointer);
    applyCursor();
}

void chameleonButton::setMouseIcon(const QPixmap &icon)
{
    m_MouseIcon = icon;
    applyCursor();
}

void chameleonButton::setHandPointer(bool on)
{
    m_HandPointer = on;
    m_MouseIcon = QPixmap();
    m_MousePointer = on ? CustomPointer : 1;
    applyCursor();
}

void chameleonButton::applyCursor()
{
    if (m_MousePointer == 0)
        unsetCursor();
    else if (m_MousePointer != CustomPointer)
        setCursor(PointerShape(m_MousePointer));
    else if (m_HandPointer)
        setCursor(Qt::PointingHandCursor);
    else if (!m_MouseIcon.isNull())
        setCursor(QCursor(m_MouseIcon));
    else
        unsetCursor();
}

void chameleonButton::setSoftBevel(bool on)
{
    m_SoftBevel = on;
    SetColors();
    Redraw(m_lastState, true);
}

void chameleonButton::setPictureNormal(const QImage &picture)
{
    m_PictureNormal = picture;
    CalcTextRects();
    Redraw(m_lastState, true);
}

void chameleonButton::setPictureOver(const QImage &picture)
{
    m_PictureOver = picture;
    if (m_IsOver)
        Redraw(m_lastState, true);
}

void chameleonButton::setPicturePosition(qint32 position)
{
    m_PicturePosition = position;
    CalcTextRects();
    Redraw(m_lastState, true);
}

void chameleonButton::setUseMaskColor(bool on)
{
    m_UseMaskColor = on;
    if (!m_PictureNormal.isNull())
        Redraw(m_lastState, true);
}

void chameleonButton::setUseGreyscale(bool on)
{
    m_UseGreyscale = on;
    if (!m_PictureNormal.isNull())
        Redraw(m_lastState, true);
}

void chameleonButton::setSpecialEffect(qint32 effect)
{
    m_SpecialEffect = effect;
    Redraw(m_lastState, true);
}

void chameleonButton::setCheckBoxBehaviour(bool on)
{
    m_CheckBoxBehaviour = on;
    Redraw(m_lastState, true);
}

void chameleonButton::setValue(bool on)
{
    m_Value = on;
    if (m_CheckBoxBehaviour)
        Redraw(StateUp, true);
}

void chameleonButton::DisableRefresh()
{
    m_DrawingEnabled = false;
}

void chameleonButton::Refresh()
{
    if (m_ButtonType == 11)
        GetParentBackground();
    SetColors();
    CalcTextRects();
    m_DrawingEnabled = true;
    Redraw(m_lastState, true);
}

void chameleonButton::setDefault(bool on)
{
    m_Default = on;
    m_DisplayAsDefault = on;
    for (int id : std::as_const(m_defaultKeyIds))
        releaseShortcut(id);
    m_defaultKeyIds.clear();
    if (on)
        m_defaultKeyIds = {grabShortcut(QKeySequence(Qt::Key_Return)), grabShortcut(QKeySequence(Qt::Key_Enter))};
    Redraw(m_lastState, true);
}

void chameleonButton::setCancel(bool on)
{
    m_Cancel = on;
    if (m_cancelKeyId != 0)
        releaseShortcut(m_cancelKeyId);
    m_cancelKeyId = on ? grabShortcut(QKeySequence(Qt::Key_Escape)) : 0;
}

void chameleonButton::setDisplayAsDefault(bool on)
{
    m_DisplayAsDefault = on;
    Redraw(m_lastState, true);
}

// ---- persisted properties ---------------------------------------------------

void chameleonButton::ReadProperties(const QVariantMap &bag)
{
    auto read = [&bag](const char *key, const QVariant &fallback) { return bag.value(key, fallback); };
    m_ButtonType = read("BTYPE", 2).toInt();
    setText(read("TX", QString()).toString());
    const bool enabled = read("ENAB", true).toBool();
    setFont(read("FONT", font()).value<QFont>());
    m_ColorScheme = read("COLTYPE", 1).toInt();
    m_ShowFocusRect = read("FOCUSR", true).toBool();
    m_BackColor = read("BCOL", SystemColour(15)).toInt();
    m_BackOver = read("BCOLO", m_BackColor).toInt();
    m_ForeColor = read("FCOL", SystemColour(18)).toInt();
    m_ForeOver = read("FCOLO", m_ForeColor).toInt();
    m_MaskColor = read("MCOL", 0xC0C0C0).toInt();
    m_MousePointer = read("MPTR", 0).toInt();
    m_MouseIcon = read("MICON", QPixmap()).value<QPixmap>();
    m_PictureNormal = read("PICN", QImage()).value<QImage>();
    m_PictureOver = read("PICH", QImage()).value<QImage>();
    m_UseMaskColor = read("UMCOL", true).toBool();
    m_SoftBevel = read("SOFT", false).toBool();
    m_PicturePosition = read("PICPOS", 0).toInt();
    m_UseGreyscale = read("NGREY", false).toBool();
    m_SpecialEffect = read("FX", 0).toInt();
    setHandPointer(read("HAND", false).toBool());
    m_CheckBoxBehaviour = read("CHECK", false).toBool();
    m_Value = read("VALUE", false).toBool();
    setEnabled(enabled);
    SetAccessKeys();
    SetColors();
    Resize();
}

QVariantMap chameleonButton::WriteProperties() const
{
    return {{"BTYPE", m_ButtonType}, {"TX", text()}, {"ENAB", isEnabled()}, {"FONT", font()},
            {"COLTYPE", m_ColorScheme}, {"FOCUSR", m_ShowFocusRect}, {"BCOL", m_BackColor},
            {"BCOLO", m_BackOver}, {"FCOL", m_ForeColor}, {"FCOLO", m_ForeOver},
            {"MCOL", m_MaskColor}, {"MPTR", m_MousePointer}, {"MICON", m_MouseIcon},
            {"PICN", m_PictureNormal}, {"PICH", m_PictureOver}, {"UMCOL", m_UseMaskColor},
            {"SOFT", m_SoftBevel}, {"PICPOS", m_PicturePosition}, {"NGREY", m_UseGreyscale},
            {"FX", m_SpecialEffect}, {"HAND", m_HandPointer}, {"CHECK", m_CheckBoxBehaviour},
            {"VALUE", m_Value}};
}

// ---- palette, layout, shape -------------------------------------------------

void chameleonButton::SetColors()
{
    PaletteSource source;
    source.ColorScheme = m_ColorScheme;
    source.ButtonType = m_ButtonType;
    source.SoftBevel = m_SoftBevel;
    source.BackColor = m_BackColor;
    source.BackOver = m_BackOver;
    source.ForeColor = m_ForeColor;
    source.ForeOver = m_ForeOver;
    source.MaskColor = m_MaskColor;
    source.system = palette();
    source.container = parentWidget() ? parentWidget()->palette() : palette();
    m_palette = fixtora::SetColors(source);
}

void chameleonButton::SetAccessKeys()
{
    m_laidOutCaption = text();
    const QChar key = AccessKeyOf(text());
    setShortcut(key.isNull() ? QKeySequence()
                             : QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(key.toUpper().unicode()))));
}

void chameleonButton::CalcTextRects()
{
    m_layout.PicWidth = m_PictureNormal.width();
    m_layout.PicHeight = m_PictureNormal.height();
    fixtora::CalcTextRects(m_layout, text(), font(), width(), height(), m_PicturePosition);
}

void chameleonButton::Resize()
{
    m_InnerRect = InnerRect(m_ButtonType, width(), height());
    CalcTextRects();
    setMask(BuildRegion(m_ButtonType, width(), height()));
    if (height() != 0)
        Redraw(StateUp, true);
}

void chameleonButton::GetParentBackground()
{
    QWidget *container = parentWidget();
    if (!container || width() <= 0 || height() <= 0)
        return;
    m_background = QImage(size(), QImage::Format_RGB32);
    m_background.fill(container->palette().color(QPalette::Window));
    container->render(&m_background, QPoint(), QRegion(geometry()), QWidget::DrawWindowBackground);
}

bool chameleonButton::IsMouseOver(const QPoint &pos) const
{
    return mask().isEmpty() ? rect().contains(pos) : mask().contains(pos);
}

// ---- events ------------------------------------------------------------------

bool chameleonButton::event(QEvent *e)
{
    // Return belongs to the focused button before the window's default button.
    if (e->type() == QEvent::ShortcutOverride && IsReturnKey(static_cast<QKeyEvent *>(e))) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::Shortcut) {
        const auto *se = static_cast<QShortcutEvent *>(e);
        const bool ours = m_defaultKeyIds.contains(se->shortcutId()) || se->shortcutId() == m_cancelKeyId
                          || (!shortcut().isEmpty() && se->key() == shortcut());
        if (ours && !se->isAmbiguous()) {
            AccessKey();
            return true;
        }
    }
    return QAbstractButton::event(e);
}

void chameleonButton::paintEvent(QPaintEvent *)
{
    if (text() != m_laidOutCaption) {
        SetAccessKeys();
        CalcTextRects();
        Redraw(StateUp, true);
    }
    if (m_face.size() != size())
        Redraw(m_lastState, true);
    QPainter painter(this);
    painter.drawImage(0, 0, m_face);
}

void chameleonButton::resizeEvent(QResizeEvent *)
{
    Resize();
}

void chameleonButton::showEvent(QShowEvent *)
{
    if (m_ButtonType == 11 && m_background.isNull())
        GetParentBackground();
    m_DrawingEnabled = true;
    SetColors();
    Redraw(StateUp, true);
}

void chameleonButton::hideEvent(QHideEvent *)
{
    m_DrawingEnabled = false;
}

void chameleonButton::changeEvent(QEvent *e)
{
    switch (e->type()) {
    case QEvent::EnabledChange:
        Redraw(StateUp, true);
        break;
    case QEvent::FontChange:
        CalcTextRects();
        Redraw(StateUp, true);
        break;
    case QEvent::PaletteChange:
        if (m_ColorScheme != 2) {
            SetColors();
            Redraw(m_lastState, true);
        }
        break;
    default:
        break;
    }
    QAbstractButton::changeEvent(e);
}

void chameleonButton::MouseDownAction(qint16 button, qint16 shift, const QPointF &pos)
{
    float x = float(pos.x()), y = float(pos.y());
    emit MouseDown(button, shift, x, y);
    m_LastButton = quint8(button);
    if (button != 2)
        Redraw(StatePressed);
}

void chameleonButton::mousePressEvent(QMouseEvent *e)
{
    MouseDownAction(ButtonCode(e->button()), ShiftCode(e->modifiers()), e->position());
}

void chameleonButton::mouseMoveEvent(QMouseEvent *e)
{
    qint16 button = ButtonCode(e->buttons()), shift = ShiftCode(e->modifiers());
    float x = float(e->position().x()), y = float(e->position().y());
    emit MouseMove(button, shift, x, y);
    if (button >= 2)
        return;
    if (!IsMouseOver(e->position().toPoint())) {
        Redraw(StateUp);
    } else if (button == 0 && !m_IsOver) {
        m_IsOver = true;
        Redraw(StateUp, true);
        emit MouseOver();
    } else if (button == 1) {
        m_IsOver = true;
        Redraw(StatePressed);
        m_IsOver = false;
    }
}

void chameleonButton::mouseReleaseEvent(QMouseEvent *e)
{
    qint16 button = ButtonCode(e->button()), shift = ShiftCode(e->modifiers());
    float x = float(e->position().x()), y = float(e->position().y());
    emit MouseUp(button, shift, x, y);
    if (button != 2)
        Redraw(StateUp);
    const bool secondOfDouble = std::exchange(m_inDoubleClick, false);
    if (!secondOfDouble && e->buttons() == Qt::NoButton && IsMouseOver(e->position().toPoint()))
        ClickNotification();
}

void chameleonButton::mouseDoubleClickEvent(QMouseEvent *)
{
    m_inDoubleClick = true;
    if (m_LastButton == 1)
        MouseDownAction(1, 0, QPointF(0, 0));
}

void chameleonButton::ClickNotification()
{
    if (m_LastButton != 1 || !isEnabled())
        return;
    if (m_CheckBoxBehaviour)
        m_Value = !m_Value;
    Redraw(StateUp, true);
    repaint();
    emit clicked();
}

void chameleonButton::AccessKey()
{
    m_LastButton = 1;
    ClickNotification();
}

void chameleonButton::keyPressEvent(QKeyEvent *e)
{
    qint16 code = KeyCode(e->key()), shift = ShiftCode(e->modifiers());
    emit KeyDown(code, shift);
    m_LastKey = code;
    switch (code) {
    case CodeReturn:
        if (IsReturnKey(e) && !e->isAutoRepeat())
            AccessKey();
        else
            e->ignore();
        break;
    case CodeSpace:
        Redraw(StatePressed);
        break;
    case CodeLeft:
    case CodeUp:
        focusNextPrevChild(false);
        break;
    case CodeRight:
    case CodeDown:
        focusNextPrevChild(true);
        break;
    default:
        e->ignore();
        break;
    }
    if (!e->text().isEmpty()) {
        qint16 ascii = qint16(e->text().at(0).unicode());
        emit KeyPress(ascii);
    }
}

void chameleonButton::keyReleaseEvent(QKeyEvent *e)
{
    if (e->isAutoRepeat())
        return;
    qint16 code = KeyCode(e->key()), shift = ShiftCode(e->modifiers());
    emit KeyUp(code, shift);
    if (m_LastKey != CodeSpace || code != CodeSpace) {
        e->ignore();
        return;
    }
    if (m_CheckBoxBehaviour)
        m_Value = !m_Value;
    Redraw(StateUp);
    repaint();
    emit clicked();
}

void chameleonButton::focusInEvent(QFocusEvent *e)
{
    m_HasFocus = true;
    Redraw(m_lastState, true);
    QAbstractButton::focusInEvent(e);
}

void chameleonButton::focusOutEvent(QFocusEvent *e)
{
    m_HasFocus = false;
    Redraw(m_lastState, true);
    QAbstractButton::focusOutEvent(e);
}

void chameleonButton::leaveEvent(QEvent *)
{
    if (!m_IsOver)
        return;
    m_IsOver = false;
    Redraw(StateUp, true);
    emit MouseOut();
}

} // namespace fixtora
