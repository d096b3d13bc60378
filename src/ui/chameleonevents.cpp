// The input of chameleonButton: mouse, keys, focus and the Qt events that
// redraw its face. The properties and the layout of the face are in
// chameleonbutton.cpp, the drawing in chameleonfaces.cpp.
#include "ui/chameleonbutton.h"

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

} // namespace

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
