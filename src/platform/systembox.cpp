#include "platform/systembox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>

namespace fixtora {

namespace {

// The keyboard goes back to the window that asked, as a window manager would
// give it: also where there is none.
QMessageBox::StandardButton askSystem(const QString &text, QMessageBox::StandardButtons buttons,
                                      const QString &title = QApplication::applicationName(),
                                      QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                      const QString &yesCaption = QString())
{
    const QPointer<QWidget> asking = QApplication::activeWindow();
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons);
    box.setTextFormat(Qt::PlainText);  // a name or a file name in the text shows as it stands
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    // Every desktop's Discard says what it does, whatever its own caption.
    if (QAbstractButton *discard = box.button(QMessageBox::Discard))
        discard->setText(QStringLiteral("Don't Save"));
    if (!yesCaption.isEmpty())
        box.button(QMessageBox::Yes)->setText(yesCaption);
    const auto answer = static_cast<QMessageBox::StandardButton>(box.exec());
    if (asking && asking->isVisible())
        asking->activateWindow();
    return answer;
}

} // namespace

void SystemMessage(const QString &text)
{
    askSystem(text, QMessageBox::Ok);
}

bool SystemQuestion(const QString &text)
{
    return askSystem(text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool SystemConfirm(const QString &text, const QString &action)
{
    return askSystem(text, QMessageBox::Yes | QMessageBox::Cancel, QApplication::applicationName(),
                     QMessageBox::Cancel, action) == QMessageBox::Yes;
}

bool MayReplaceFile(const QString &path)
{
    return !QFileInfo::exists(path)
        || SystemQuestion(QStringLiteral("%1 already exists.\nDo you want to replace it?").arg(path));
}

void SystemNotice(const QString &text, const QString &title)
{
    askSystem(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, title);
}

SaveAnswer AskToSave(const QString &text, const QString &title)
{
    switch (askSystem(text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, title,
                      QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveAnswer::Save;
    case QMessageBox::Discard:
        return SaveAnswer::Discard;
    default:
        return SaveAnswer::Cancel;
    }
}

} // namespace fixtora
