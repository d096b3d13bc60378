#include "ui/controls.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QShortcut>

namespace fixtora {

QLabel *MakeLabel(QWidget *parent, const char *name, const QString &caption)
{
    return MakeLabel(parent, QLatin1String(name), caption);
}

QLabel *MakeLabel(QWidget *parent, const QString &name, const QString &caption)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    return label;
}

QLineEdit *MakeTextBox(QWidget *parent, const char *name, const QString &text)
{
    return MakeTextBox(parent, QLatin1String(name), text);
}

QLineEdit *MakeTextBox(QWidget *parent, const QString &name, const QString &text)
{
    auto *box = new QLineEdit(text, parent);
    box->setObjectName(name);
    return box;
}

QGroupBox *MakeFrame(QWidget *parent, const char *name, const QString &caption)
{
    auto *frame = new QGroupBox(caption, parent);
    frame->setObjectName(QLatin1String(name));
    return frame;
}

QListWidget *MakeList(QWidget *parent, const char *name, const QStringList &items)
{
    auto *list = new QListWidget(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    return list;
}

QComboBox *MakeCombo(QWidget *parent, const char *name, const QStringList &items, bool editable)
{
    return MakeCombo(parent, QLatin1String(name), items, editable);
}

QComboBox *MakeCombo(QWidget *parent, const QString &name, const QStringList &items, bool editable)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    if (editable)
        combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    return combo;
}

QPlainTextEdit *MakeReadOnlyText(QWidget *parent, const char *name, const QString &text)
{
    auto *box = new QPlainTextEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    return box;
}

QString ElementName(const char *name, int index)
{
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

void SetArialFont(QWidget *control, double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    control->setFont(font);
}

QLabel *MakeWhiteLabel(QWidget *parent, const char *name, const QString &caption)
{
    QLabel *label = MakeLabel(parent, name, caption);
    // The colours of a text box rather than fixed ones, so that the label
    // follows the desktop's theme, dark or light, and changes with it.
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setForegroundRole(QPalette::Text);
    return label;
}

QCheckBox *MakeCheckBox(QWidget *parent, const char *name, const QString &caption)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

void NameAfter(QWidget *control, QLabel *label)
{
    label->setBuddy(control);
    const QString caption = QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)"))).trimmed();
    control->setAccessibleName(label->accessibleName().isEmpty() ? caption : label->accessibleName());
}

// The label is shown but takes no room, so that a screen reader does not
// pass it over as hidden; it shows no text, so that no "&" of a name becomes
// an access key. A screen reader finds labels beside their box, under the
// same parent.
void ReadAs(QWidget *control, const QString &name)
{
    const QString labelName = control->objectName() + QStringLiteral("_name");
    auto *label = control->parentWidget()->findChild<QLabel *>(labelName, Qt::FindDirectChildrenOnly);
    if (!label) {
        label = MakeLabel(control->parentWidget(), labelName);
        label->setFixedSize(0, 0);
        label->show();
    }
    label->setAccessibleName(name);
    NameAfter(control, label);
}

void PressOnKey(QWidget *window, const QKeySequence &key, QAbstractButton *button)
{
    new QShortcut(key, window, button, &QAbstractButton::click, Qt::WidgetWithChildrenShortcut);
}

void ChainTabOrder(const QList<QWidget *> &controls)
{
    QWidget *previous = nullptr;
    for (QWidget *control : controls) {
        if (!control)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace fixtora
