#include "ui/programbutton.h"

#include "ui/chameleonbutton.h"

namespace fixtora {

namespace {

constexpr qint32 kButtonGrey = 0xC0C0C0;
constexpr qint32 kButtonText = 0;

} // namespace

chameleonButton *MakeButton(QWidget *parent, const char *name, const QString &caption)
{
    auto *button = new chameleonButton(parent);
    button->setObjectName(QLatin1String(name));
    button->DisableRefresh();
    button->setButtonType(kProgramButtonType);
    button->setColorScheme(1);
    button->setBackColor(kButtonGrey);
    button->setBackOver(kButtonGrey);
    button->setMaskColor(kButtonGrey);
    button->setForeColor(kButtonText);
    button->setForeOver(kButtonText);
    button->setCaption(caption);
    button->Refresh();
    return button;
}

QString HelpButtonName(const QString &topic)
{
    return QStringLiteral("Help: ") + topic;
}

chameleonButton *MakeHelpButton(QWidget *parent, const char *name, const QString &topic)
{
    chameleonButton *button = MakeButton(parent, name, QStringLiteral("?"));
    button->setAccessibleName(HelpButtonName(topic));
    return button;
}

} // namespace fixtora
