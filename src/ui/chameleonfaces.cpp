// The faces of chameleonButton: Redraw and the look of each button type.
#include "ui/chameleonbutton.h"

#include "ui/chameleoncanvas.h"

#include <QFontMetrics>

namespace fixtora {

namespace {

// A disabled caption reads at least this well on its face.
constexpr double kDisabledContrast = 3.0;

void CornerPixels(ButtonCanvas &c, qint32 colour)
{
    const int W = c.width(), H = c.height();
    c.Pixel(1, 1, colour);
    c.Pixel(1, H - 2, colour);
    c.Pixel(W - 2, 1, colour);
    c.Pixel(W - 2, H - 2, colour);
}

// The greyed caption of a look, readable on the darkest and the lightest
// pixel of the face under the caption.
qint32 DisabledCaption(const QImage &face, const EdgeRect &rect, qint32 wanted, qint32 text)
{
    const QRect under = rect.toQRect().intersected(face.rect());
    if (under.isEmpty())
        return wanted;
    QColor darkest = Qt::white, lightest = Qt::black;
    for (int y = under.top(); y <= under.bottom(); ++y)
        for (int x = under.left(); x <= under.right(); ++x) {
            const QColor pixel = face.pixelColor(x, y);
            if (qGray(pixel.rgb()) < qGray(darkest.rgb()))
                darkest = pixel;
            if (qGray(pixel.rgb()) > qGray(lightest.rgb()))
                lightest = pixel;
        }
    return FromQColor(GreyedCaption(ToQColor(wanted), ToQColor(text), {darkest, lightest}, kDisabledContrast));
}

} // namespace

qint32 chameleonButton::Shift(qint32 colour, int delta, bool scaleBlue) const
{
    return ShiftColor(colour, delta, scaleBlue, m_SoftBevel);
}

void chameleonButton::Redraw(quint8 state, bool force)
{
    if (m_CheckBoxBehaviour && m_Value)
        state = StatePressed;
    if (!force && text() == m_lastCaption && state == m_lastState)
        return;
    if (height() == 0 || !m_DrawingEnabled)
        return;
    m_lastState = state;
    m_lastCaption = text();

    m_face = QImage(size(), QImage::Format_RGB32);
    const ButtonPalette kept = m_palette;
    if (m_IsOver && m_ColorScheme == 2) {
        const qint32 backColor = m_BackColor;
        m_BackColor = m_BackOver;
        SetColors();
        m_BackColor = backColor;
    }
    ButtonCanvas c(m_face);
    c.Fill(0, 0, width(), height(), m_palette.FaceColor);
    if (!isEnabled())
        DrawLook(c, Look::Disabled);
    else if (state == StatePressed)
        DrawLook(c, Look::Pressed);
    else if (state == StateUp)
        DrawLook(c, Look::Up);
    // Where the keyboard is shows on every look, in the desktop's highlight.
    if (m_HasFocus && m_ShowFocusRect && isEnabled()) {
        const qint32 ring = FromQColor(palette().color(QPalette::Highlight));
        c.Frame(1, 1, width() - 2, height() - 2, ring);
        c.Frame(2, 2, width() - 4, height() - 4, ring);
    }
    m_palette = kept;
    update();
}

void chameleonButton::DrawLook(ButtonCanvas &c, Look look)
{
    switch (m_ButtonType) {
    case 1: FramedBevelLook(c, look); break;
    case 2: ClassicLook(c, look); break;
    case 3: GlossLook(c, look); break;
    case 4: SoftCornerLook(c, look); break;
    case 5: LiftedFlatLook(c, look); break;
    case 6: SoftRaisedLook(c, look); break;
    case 7:
    case 8:
    case 12: ThinLook(c, look); break;
    case 9: AccentHoverLook(c, look); break;
    case 11: SeeThroughLook(c, look); break;
    case 13: OvalLook(c, look); break;
    case 14: GradientLook(c, look); break;
    default: break; // 10 is the face alone
    }
    DrawPictures(c, look);
}

void chameleonButton::CaptionHover(ButtonCanvas &c)
{
    DrawCaption(c, m_IsOver ? 1 : 0);
}

void chameleonButton::DrawFocusRectangle(ButtonCanvas &c)
{
    if (m_ShowFocusRect && m_HasFocus)
        c.FocusRect(m_InnerRect);
}

// ---- the looks ---------------------------------------------------------------

void chameleonButton::GradientLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const int W = c.width(), H = c.height();
    auto gradient = [&] {
        for (int i = 1; i <= H; ++i)
            c.Line(0, i, W, i, Shift(p.HighlightColor, -GradientStep(58, i, H)));
    };
    auto frames = [&] {
        c.Frame(0, 0, W, H, Shift(p.ShadowColor, -50));
        c.Frame(1, 1, W - 2, H - 2, Shift(p.FaceColor, -9));
        c.Fill(2, 2, W - 4, 2, p.HighlightColor);
        c.Fill(2, 4, 2, H - 6, p.HighlightColor);
    };
    switch (look) {
    case Look::Up:
        if (m_IsOver)
            c.Fill(0, 0, W, H, p.LightColor);
        else
            gradient();
        m_boldCaption = m_DisplayAsDefault;
        CaptionHover(c);
        m_boldCaption = false;
        frames();
        DrawFocusRectangle(c);
        break;
    case Look::Pressed:
        c.Fill(1, 1, W, H, Shift(p.FaceColor, -9));
        c.Frame(0, 0, W, H, Shift(p.ShadowColor, -48));
        c.Line(2, H - 2, W - 2, H - 2, p.HighlightColor);
        c.Line(W - 2, 2, W - 2, H - 1, p.HighlightColor);
        DrawCaption(c, 7);
        DrawFocusRectangle(c);
        break;
    case Look::Disabled:
        gradient();
        frames();
        // Greyed, yet readable on every row of the gradient.
        CaptionText(c, m_layout.CaptionRect,
                    FromQColor(DimmedText(ToQColor(p.TextColor),
                                          {ToQColor(Shift(p.HighlightColor, -58)), ToQColor(p.HighlightColor)},
                                          kDisabledContrast)));
        break;
    }
}

void chameleonButton::ClassicLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const int W = c.width(), H = c.height();
    const bool asDefault = m_ShowFocusRect && m_DisplayAsDefault;
    switch (look) {
    case Look::Up:
        CaptionHover(c);
        if (asDefault) {
            c.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, -1);
            DrawFocusRectangle(c);
            c.Frame(0, 0, W, H, p.DarkShadowColor);
        } else {
            c.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0);
        }
        break;
    case Look::Pressed:
        DrawCaption(c, 2);
        if (asDefault) {
            c.Frame(0, 0, W, H, p.DarkShadowColor);
            c.Frame(1, 1, W - 2, H - 2, p.ShadowColor);
            DrawFocusRectangle(c);
        } else {
            c.Bevel(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0);
        }
        break;
    case Look::Disabled:
        DrawCaption(c, 3);
        c.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0);
        break;
    }
}

void chameleonButton::GlossLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const int W = c.width(), H = c.height();
    auto outline = [&] {
        c.Frame(0, 0, W, H, 7552000);
        CornerPixels(c, 8080656);
    };
    // Inner lines in the gradient colour shifted by n, in the blue-scaled way.
    auto shifted = [&](qint32 base, int x1, int y1, int x2, int y2, int n) {
        c.Line(x1, y1, x2, y2, Shift(base, n, true));
    };
    switch (look) {
    case Look::Up:
        for (int i = 1; i <= H; ++i)
            c.Line(0, i, W, i, Shift(p.GradientColor, -GradientStep(25, i, H), true));
        CaptionHover(c);
        outline();
        if (m_IsOver) {
            c.Frame(1, 2, W - 2, H - 4, 3257087);
            c.Line(2, H - 2, W - 2, H - 2, 38631);
            c.Line(2, 1, W - 2, 1, 13562879);
            c.Line(1, 2, W - 1, 2, 9231359);
            c.Line(2, 3, 2, H - 3, 7064575);
            c.Line(W - 3, 3, W - 3, H - 3, 7064575);
        } else if (m_ShowFocusRect && (m_HasFocus || m_DisplayAsDefault)) {
            c.Frame(1, 2, W - 2, H - 4, 15183500);
            c.Line(2, H - 2, W - 2, H - 2, 15696491);
            c.Line(2, 1, W - 2, 1, 16771022);
            c.Line(1, 2, W - 1, 2, 16242621);
            c.Line(2, 3, 2, H - 3, 15782325);
            c.Line(W - 3, 3, W - 3, H - 3, 15782325);
        } else {
            shifted(p.GradientColor, 2, H - 2, W - 2, H - 2, -48);
            shifted(p.GradientColor, 1, H - 3, W - 2, H - 3, -32);
            shifted(p.GradientColor, W - 2, 2, W - 2, H - 2, -36);
            shifted(p.GradientColor, W - 3, 3, W - 3, H - 3, -24);
            shifted(p.GradientColor, 2, 1, W - 2, 1, 16);
            shifted(p.GradientColor, 1, 2, W - 2, 2, 10);
            shifted(p.GradientColor, 1, 2, 1, H - 2, -5);
            shifted(p.GradientColor, 2, 3, 2, H - 3, -10);
        }
        break;
    case Look::Pressed: {
        const qint32 base = Shift(p.GradientColor, -32, true);
        for (int i = 1; i <= H; ++i)
            c.Line(0, H - i, W, H - i, Shift(base, -GradientStep(25, i, H), true));
        DrawCaption(c, 2);
        outline();
        shifted(base, 2, H - 2, W - 2, H - 2, 16);
        shifted(base, 1, H - 3, W - 2, H - 3, 10);
        shifted(base, W - 2, 2, W - 2, H - 2, 5);
        c.Line(W - 3, 3, W - 3, H - 3, p.GradientColor);
        shifted(base, 2, 1, W - 2, 1, -32);
        shifted(base, 1, 2, W - 2, 2, -24);
        shifted(base, 1, 2, 1, H - 2, -32);
        shifted(base, 2, 2, 2, H - 2, -22);
        break;
    }
    case Look::Disabled:
        c.Fill(0, 0, W, H, Shift(p.GradientColor, -24, true));
        DrawCaption(c, 5);
        c.Frame(0, 0, W, H, Shift(p.GradientColor, -84, true));
        CornerPixels(c, Shift(p.GradientColor, -72, true));
        break;
    }
}

void chameleonButton::FramedBevelLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    if (look == Look::Pressed) {
        DrawCaption(c, 2);
        c.Bevel(p.ShadowColor, p.HighlightColor, p.ShadowColor, p.HighlightColor, -1);
    } else {
        if (look == Look::Up)
            CaptionHover(c);
        else
            DrawCaption(c, 3);
        c.Bevel(p.HighlightColor, p.ShadowColor, p.HighlightColor, p.ShadowColor, -1);
    }
    c.Frame(0, 0, c.width(), c.height(), p.DarkShadowColor);
    if (look != Look::Disabled)
        DrawFocusRectangle(c);
}

void chameleonButton::SoftCornerLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const int W = c.width(), H = c.height();
    if (look != Look::Pressed) {
        c.Fill(1, 1, W - 2, H - 2, p.LightColor);
        if (look == Look::Up)
            CaptionHover(c);
        else
            DrawCaption(c, 3);
        c.Frame(0, 0, W, H, p.DarkShadowColor);
        CornerPixels(c, p.DarkShadowColor);
        c.Line(1, 2, 2, 0, p.FaceColor);
        c.Line(3, 2, W - 3, 2, p.HighlightColor);
        c.Line(2, 2, 2, H - 3, p.HighlightColor);
        c.Pixel(3, 3, p.HighlightColor);
        c.Line(W - 3, 1, W - 3, H - 3, p.FaceColor);
        c.Line(1, H - 3, W - 3, H - 3, p.FaceColor);
        c.Pixel(W - 4, H - 4, p.FaceColor);
        c.Line(W - 2, 2, W - 2, H - 2, p.ShadowColor);
        c.Line(2, H - 2, W - 2, H - 2, p.ShadowColor);
        c.Pixel(W - 3, H - 3, p.ShadowColor);
        return;
    }
    const qint32 dark16 = Shift(p.ShadowColor, -16), dark32 = Shift(p.ShadowColor, -32);
    const qint32 dark64 = Shift(p.ShadowColor, -64);
    c.Fill(1, 1, W - 2, H - 2, dark16);
    m_palette.GradientColor = dark16;
    DrawCaption(c, 2);
    m_palette.GradientColor = Shift(p.FaceColor, 48);
    c.Frame(0, 0, W, H, p.DarkShadowColor);
    c.Frame(1, 1, W - 2, H - 2, dark64);
    c.Frame(2, 2, W - 4, H - 4, dark32);
    c.Pixel(2, 2, dark64);
    c.Pixel(3, 3, dark32);
    CornerPixels(c, p.DarkShadowColor);
    c.Line(W - 3, 1, W - 3, H - 3, p.ShadowColor);
    c.Line(1, H - 3, W - 2, H - 3, p.ShadowColor);
    c.Pixel(W - 4, H - 4, p.ShadowColor);
    c.Line(W - 2, 3, W - 2, H - 2, dark16);
    c.Line(3, H - 2, W - 2, H - 2, dark16);
    c.Line(W - 2, H - 3, W - 4, H - 1, dark32);
    c.Pixel(2, H - 2, dark32);
    c.Pixel(W - 2, 2, dark32);
}

void chameleonButton::LiftedFlatLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const int W = c.width(), H = c.height();
    const CaptionLayout &L = m_layout;
    switch (look) {
    case Look::Up:
        c.Fill(1, 1, W - 1, H - 1, Shift(p.FaceColor, 12));
        CaptionHover(c);
        c.Frame(1, 1, W - 1, H - 1, p.HighlightColor);
        c.Frame(0, 0, W - 1, H - 1, Shift(p.ShadowColor, -26));
        c.Pixel(1, H - 2, Shift(p.ShadowColor, 26));
        c.Pixel(W - 2, 1, Shift(p.ShadowColor, 26));
        break;
    case Look::Pressed:
        c.Fill(1, 1, W - 2, H - 2, Shift(p.ShadowColor, 16));
        c.Frame(0, 0, W - 1, H - 1, Shift(p.ShadowColor, -26));
        c.Line(W - 1, 1, W - 1, H, p.HighlightColor);
        c.Line(1, H - 1, W - 1, H - 1, p.HighlightColor);
        c.Text(L.CaptionRect, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic, text(),
               p.TextOverColor, font());
        break;
    case Look::Disabled:
        DrawCaption(c, 4);
        c.Frame(0, 0, W, H, p.ShadowColor);
        return;
    }
    if (m_HasFocus && m_ShowFocusRect)
        c.Frame(L.CaptionRect.left - 2, L.CaptionRect.top - 1, L.CaptionWidth + 4, L.CaptionHeight + 2, 13408665);
}

void chameleonButton::SoftRaisedLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const qint32 light = Shift(p.LightColor, 8);
    switch (look) {
    case Look::Up:
        CaptionHover(c);
        c.Bevel(light, p.ShadowColor, light, p.ShadowColor, 0);
        DrawFocusRectangle(c);
        break;
    case Look::Pressed:
        DrawCaption(c, 2);
        c.Bevel(p.ShadowColor, light, p.ShadowColor, light, 0);
        DrawFocusRectangle(c);
        break;
    case Look::Disabled:
        DrawCaption(c, 4);
        c.Bevel(light, p.ShadowColor, light, p.ShadowColor, 0);
        break;
    }
}

void chameleonButton::ThinLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const bool raised = m_ButtonType == 12;
    switch (look) {
    case Look::Up:
        CaptionHover(c);
        if (m_ButtonType == 7 || (m_ButtonType == 8 && m_IsOver))
            c.Bevel(p.HighlightColor, p.ShadowColor, 0, 0, 0, true);
        else if (raised && m_IsOver)
            c.Bevel(p.HighlightColor, p.DarkShadowColor, p.LightColor, p.ShadowColor, 0);
        DrawFocusRectangle(c);
        break;
    case Look::Pressed:
        DrawCaption(c, 2);
        if (raised)
            c.Bevel(p.DarkShadowColor, p.HighlightColor, p.ShadowColor, p.LightColor, 0);
        else
            c.Bevel(p.ShadowColor, p.HighlightColor, 0, 0, 0, true);
        DrawFocusRectangle(c);
        break;
    case Look::Disabled:
        DrawCaption(c, 3);
        if (m_ButtonType == 7)
            c.Bevel(p.HighlightColor, p.ShadowColor, 0, 0, 0, true);
        break;
    }
}

void chameleonButton::AccentHoverLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    const int W = c.width(), H = c.height();
    switch (look) {
    case Look::Up:
        if (m_IsOver)
            c.Fill(1, 1, W, H, p.AccentLightColor);
        CaptionHover(c);
        if (m_IsOver)
            c.Frame(0, 0, W, H, p.AccentColor);
        DrawFocusRectangle(c);
        break;
    case Look::Pressed:
        if (m_IsOver)
            c.Fill(0, 0, W, H, m_ColorScheme == 2 ? Shift(p.AccentLightColor, -32) : BlendColors(p.AccentColor, 128));
        DrawCaption(c, 2);
        c.Frame(0, 0, W, H, p.AccentColor);
        DrawFocusRectangle(c);
        break;
    case Look::Disabled:
        DrawCaption(c, 4);
        break;
    }
}

void chameleonButton::SeeThroughLook(ButtonCanvas &c, Look look)
{
    c.Copy(m_background);
    switch (look) {
    case Look::Up:
        CaptionHover(c);
        DrawFocusRectangle(c);
        break;
    case Look::Pressed:
        DrawCaption(c, 2);
        DrawFocusRectangle(c);
        break;
    case Look::Disabled:
        DrawCaption(c, 3);
        break;
    }
}

void chameleonButton::OvalLook(ButtonCanvas &c, Look look)
{
    const ButtonPalette &p = m_palette;
    switch (look) {
    case Look::Up:
        c.Oval(m_IsOver ? p.ShadowColor : p.FaceColor, p.FaceColor);
        CaptionHover(c);
        break;
    case Look::Pressed:
        c.Oval(p.DarkShadowColor, Shift(p.FaceColor, -32));
        DrawCaption(c, 2);
        break;
    case Look::Disabled:
        DrawCaption(c, 3);
        break;
    }
}

// ---- caption and pictures -----------------------------------------------------

void chameleonButton::CaptionText(ButtonCanvas &c, const EdgeRect &rect, qint32 colour)
{
    QFont captionFont = font();
    if (m_boldCaption)
        captionFont.setBold(true);
    // Qt lays out a caption with an access key a few pixels wider than it
    // measures it, which would break "League &Table" onto two lines: draw it
    // centred in a rectangle with room to spare on both sides.
    const int slack = QFontMetrics(captionFont).horizontalAdvance(QLatin1Char('&'));
    const EdgeRect room{rect.left - slack, rect.top, rect.right + slack, rect.bottom};
    c.Text(room, CaptionTextFlags | Qt::AlignHCenter | Qt::AlignTop, text(), colour, captionFont);
}

void chameleonButton::DrawCaption(ButtonCanvas &c, quint8 style)
{
    m_LastCaptionStyle = style;
    const ButtonPalette &p = m_palette;
    const CaptionLayout &L = m_layout;
    switch (style) {
    case 0:
        DrawCaptionEffect(c, L.CaptionRect);
        CaptionText(c, L.CaptionRect, p.TextColor);
        break;
    case 1:
        DrawCaptionEffect(c, L.CaptionRect);
        CaptionText(c, L.CaptionRect, p.TextOverColor);
        break;
    case 2:
        DrawCaptionEffect(c, L.CaptionDownRect);
        CaptionText(c, L.CaptionDownRect, m_ButtonType == 4 ? p.LightColor : p.TextOverColor);
        break;
    case 3: {
        const qint32 greyed = DisabledCaption(c.image(), L.CaptionRect, p.ShadowColor, p.TextColor);
        CaptionText(c, L.CaptionDownRect, p.HighlightColor);
        CaptionText(c, L.CaptionRect, greyed);
        break;
    }
    case 4:
        CaptionText(c, L.CaptionRect, DisabledCaption(c.image(), L.CaptionRect, p.ShadowColor, p.TextColor));
        break;
    case 5:
        CaptionText(c, L.CaptionRect,
                    DisabledCaption(c.image(), L.CaptionRect, Shift(p.GradientColor, -104, true), p.TextColor));
        break;
    case 6:
        CaptionText(c, L.CaptionDownRect, p.HighlightColor);
        CaptionText(c, L.CaptionRect, p.FaceColor);
        break;
    default:
        CaptionText(c, L.CaptionDownRect, Shift(p.ShadowColor, -50));
        CaptionText(c, L.CaptionRect, p.HighlightColor);
        break;
    }
}

void chameleonButton::DrawCaptionEffect(ButtonCanvas &c, const EdgeRect &rect)
{
    if (m_SpecialEffect <= 0)
        return;
    const ButtonPalette &p = m_palette;
    qint32 base = p.FaceColor;
    if (m_ButtonType == 3 || m_ButtonType == 4 || m_ButtonType == 14)
        base = p.GradientColor;
    else if (m_ButtonType == 9 && m_lastState == StateUp && m_IsOver && m_ColorScheme != 2)
        base = p.AccentLightColor;
    const int d = m_SpecialEffect == 2 ? 40 : -40;
    CaptionText(c, rect.moved(1, 1), Shift(base, d));
    if (m_SpecialEffect < 3)
        CaptionText(c, rect.moved(-1, -1), Shift(base, -d));
}

void chameleonButton::Blt(ButtonCanvas &c, const QImage &picture, int dx, int dy, qint32 brush, bool darkOnly,
                          bool greyscale, bool blend)
{
    const qint32 transparent = m_palette.TransparentColor;
    TransBlt(c.image(), m_layout.PicLeft + dx, m_layout.PicTop + dy, PictureBits(picture, transparent),
             m_UseMaskColor ? transparent : -1, brush, darkOnly, greyscale, blend);
}

void chameleonButton::DrawPictures(ButtonCanvas &c, Look look)
{
    if (m_PictureNormal.isNull())
        return;
    const ButtonPalette &p = m_palette;
    const QImage &normal = m_PictureNormal, &over = m_PictureOver;
    const int type = m_ButtonType;
    switch (look) {
    case Look::Up:
        if (!m_IsOver) {
            DrawPictureEffect(c, 0, normal);
            Blt(c, normal, 0, 0, -1, false, m_UseGreyscale, type == 9);
        } else if (type == 9) {
            DrawPictureEffect(c, -1, normal);
            Blt(c, normal, 1, 1, p.ShadowColor);
            Blt(c, normal, -1, -1);
        } else {
            const QImage &shown = over.isNull() ? normal : over;
            DrawPictureEffect(c, 0, shown);
            Blt(c, shown, 0, 0);
        }
        break;
    case Look::Pressed:
        if (!over.isNull() && type != 9) {
            const int offset = type == 5 ? 0 : 1;
            Blt(c, over, offset, offset);
        } else if (type != 5 && type != 9) {
            DrawPictureEffect(c, 1, normal);
            Blt(c, normal, 1, 1);
        } else {
            DrawPictureEffect(c, 0, normal);
            Blt(c, normal, 0, 0);
        }
        break;
    case Look::Disabled:
        if (type == 3) {
            Blt(c, normal, 1, 1, -1, false, true);
        } else if (type == 5 || type == 6 || type == 9) {
            Blt(c, normal, 0, 0, type == 9 ? Shift(p.ShadowColor, 13) : p.ShadowColor, true);
        } else {
            Blt(c, normal, 1, 1, p.HighlightColor, true);
            Blt(c, normal, 0, 0, p.ShadowColor, true);
        }
        break;
    }
    if (m_PicturePosition == 4)
        DrawCaption(c, m_LastCaptionStyle);
}

void chameleonButton::DrawPictureEffect(ButtonCanvas &c, int offset, const QImage &picture)
{
    if (m_SpecialEffect <= 0)
        return;
    const ButtonPalette &p = m_palette;
    qint32 base = p.FaceColor;
    if (m_ButtonType == 3)
        base = p.GradientColor;
    else if (offset == -1 && m_ColorScheme != 2)
        base = p.AccentLightColor;
    const int d = m_SpecialEffect == 2 ? 40 : -40;
    Blt(c, picture, 1 + offset, 1 + offset, Shift(base, d));
    if (m_SpecialEffect < 3)
        Blt(c, picture, -1 + offset, -1 + offset, Shift(base, -d));
}

} // namespace fixtora
