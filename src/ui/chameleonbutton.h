#pragma once
// chameleonButton: the program's command button. It draws every pixel of its
// face itself, in one of fourteen looks (ButtonType), from a palette chosen by
// ColorScheme. Colour values are red + green * 256 + blue * 65536; a value with
// the high bit set is a system colour, taken from the widget's QPalette.

#include "ui/chameleoncolors.h"
#include "ui/chameleoncaption.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QVariantMap>
#include <functional>

namespace fixtora {

class ButtonCanvas;

class chameleonButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit chameleonButton(QWidget *parent = nullptr);

    qint32 BackColor() const { return m_BackColor; }
    void setBackColor(qint32 colour);
    qint32 BackOver() const { return m_BackOver; }
    void setBackOver(qint32 colour);
    qint32 ForeColor() const { return m_ForeColor; }
    void setForeColor(qint32 colour);
    qint32 ForeOver() const { return m_ForeOver; }
    void setForeOver(qint32 colour);
    qint32 MaskColor() const { return m_MaskColor; }
    void setMaskColor(qint32 colour);

    qint32 ButtonType() const { return m_ButtonType; }
    void setButtonType(qint32 type);
    qint32 ColorScheme() const { return m_ColorScheme; }
    void setColorScheme(qint32 scheme);

    // The caption, kept as the button's text; "&" marks the access key.
    QString Caption() const { return text(); }
    void setCaption(const QString &caption);

    bool FontBold() const { return font().bold(); }
    void setFontBold(bool on);
    bool FontItalic() const { return font().italic(); }
    void setFontItalic(bool on);
    bool FontUnderline() const { return font().underline(); }
    void setFontUnderline(bool on);
    qint16 FontSize() const;
    void setFontSize(qint16 points);
    QString FontName() const { return font().family(); }
    void setFontName(const QString &name);

    bool ShowFocusRect() const { return m_ShowFocusRect; }
    void setShowFocusRect(bool on);
    qint32 MousePointer() const { return m_MousePointer; }
    void setMousePointer(qint32 pointer);
    QPixmap MouseIcon() const { return m_MouseIcon; }
    void setMouseIcon(const QPixmap &icon);
    bool HandPointer() const { return m_HandPointer; }
    void setHandPointer(bool on);
    bool SoftBevel() const { return m_SoftBevel; }
    void setSoftBevel(bool on);

    QImage PictureNormal() const { return m_PictureNormal; }
    void setPictureNormal(const QImage &picture);
    QImage PictureOver() const { return m_PictureOver; }
    void setPictureOver(const QImage &picture);
    qint32 PicturePosition() const { return m_PicturePosition; }
    void setPicturePosition(qint32 position);
    bool UseMaskColor() const { return m_UseMaskColor; }
    void setUseMaskColor(bool on);
    bool UseGreyscale() const { return m_UseGreyscale; }
    void setUseGreyscale(bool on);
    qint32 SpecialEffect() const { return m_SpecialEffect; }
    void setSpecialEffect(qint32 effect);
    bool CheckBoxBehaviour() const { return m_CheckBoxBehaviour; }
    void setCheckBoxBehaviour(bool on);
    bool Value() const { return m_Value; }
    void setValue(bool on);

    static QString Version() { return QStringLiteral("2.0.6"); }
    void DisableRefresh();
    void Refresh();

    // The container's default button: Enter presses it while no other button
    // has the focus (a focused button takes Return and Enter itself, as it
    // takes Space), and it is displayed as the default button. The cancel
    // button is pressed by Esc.
    bool isDefault() const { return m_Default; }
    void setDefault(bool on);
    bool isCancel() const { return m_Cancel; }
    void setCancel(bool on);
    // Only the default-button look, for a container that moves it by itself.
    bool DisplayAsDefault() const { return m_DisplayAsDefault; }
    void setDisplayAsDefault(bool on);

    // The persisted properties, by their stored keys; missing keys read their defaults.
    void ReadProperties(const QVariantMap &bag);
    QVariantMap WriteProperties() const;

    // The face as last drawn.
    const QImage &face() const { return m_face; }

signals:
    void MouseDown(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseMove(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void MouseUp(qint16 &Button, qint16 &Shift, float &X, float &Y);
    void KeyPress(qint16 &KeyAscii);
    void KeyDown(qint16 &KeyCode, qint16 &Shift);
    void KeyUp(qint16 &KeyCode, qint16 &Shift);
    void MouseOver();
    void MouseOut();

protected:
    bool event(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    void changeEvent(QEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;
    void focusInEvent(QFocusEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
    void leaveEvent(QEvent *e) override;

private:
    enum : quint8 { StateUp = 0, StatePressed = 2 };
    enum class Look { Up, Pressed, Disabled };

    void SetColors();
    void SetAccessKeys();
    void CalcTextRects();
    void Resize();
    void Redraw(quint8 state, bool force = false);
    void GetParentBackground();
    bool IsMouseOver(const QPoint &pos) const;
    void MouseDownAction(qint16 button, qint16 shift, const QPointF &pos);
    void ClickNotification();
    void AccessKey();
    void changeFont(const std::function<void(QFont &)> &change);
    void applyCursor();
    void grabDefaultKeys();

    // The looks, one per family of button types.
    void DrawLook(ButtonCanvas &c, Look look);
    void GradientLook(ButtonCanvas &c, Look look);
    void ClassicLook(ButtonCanvas &c, Look look);
    void GlossLook(ButtonCanvas &c, Look look);
    void FramedBevelLook(ButtonCanvas &c, Look look);
    void SoftCornerLook(ButtonCanvas &c, Look look);
    void LiftedFlatLook(ButtonCanvas &c, Look look);
    void SoftRaisedLook(ButtonCanvas &c, Look look);
    void ThinLook(ButtonCanvas &c, Look look);
    void AccentHoverLook(ButtonCanvas &c, Look look);
    void SeeThroughLook(ButtonCanvas &c, Look look);
    void OvalLook(ButtonCanvas &c, Look look);

    void DrawCaption(ButtonCanvas &c, quint8 style);
    void DrawCaptionEffect(ButtonCanvas &c, const EdgeRect &rect);
    void DrawPictures(ButtonCanvas &c, Look look);
    void Blt(ButtonCanvas &c, const QImage &picture, int dx, int dy, qint32 brush = -1, bool darkOnly = false,
             bool greyscale = false, bool blend = false);
    void CaptionText(ButtonCanvas &c, const EdgeRect &rect, qint32 colour);
    void DrawPictureEffect(ButtonCanvas &c, int offset, const QImage &picture);
    void DrawFocusRectangle(ButtonCanvas &c);
    void CaptionHover(ButtonCanvas &c);
    qint32 Shift(qint32 colour, int delta, bool scaleBlue = false) const;

    qint32 m_ButtonType = 2;
    qint32 m_ColorScheme = 1;
    qint32 m_PicturePosition = 0;
    qint32 m_SpecialEffect = 0;
    qint32 m_BackColor = SystemColour(15);
    qint32 m_BackOver = SystemColour(15);
    qint32 m_ForeColor = SystemColour(18);
    qint32 m_ForeOver = SystemColour(18);
    qint32 m_MaskColor = 0xC0C0C0;
    qint32 m_MousePointer = 0;
    QPixmap m_MouseIcon;
    bool m_UseMaskColor = true;
    bool m_UseGreyscale = false;
    bool m_HandPointer = false;
    bool m_ShowFocusRect = true;
    bool m_SoftBevel = false;
    bool m_HasFocus = false;
    bool m_CheckBoxBehaviour = false;
    bool m_Value = false;
    bool m_DrawingEnabled = true;
    bool m_IsOver = false;
    bool m_Default = false;
    bool m_Cancel = false;
    bool m_DisplayAsDefault = false;
    bool m_inDoubleClick = false;
    QImage m_PictureNormal;
    QImage m_PictureOver;

    ButtonPalette m_palette;
    CaptionLayout m_layout;
    EdgeRect m_InnerRect;
    quint8 m_LastButton = 0;
    int m_LastKey = 0;
    quint8 m_lastState = StateUp;
    QString m_lastCaption;
    QString m_laidOutCaption;
    quint8 m_LastCaptionStyle = 0;
    bool m_boldCaption = false;
    QImage m_face;
    QImage m_background;
    QList<int> m_defaultKeyIds;
    int m_cancelKeyId = 0;
};

} // namespace fixtora
