#include "platform/systembox.h"

#include <QApplication>
#include <QMessageBox>

namespace fixtora {

namespace {

QMessageBox::StandardButton askSystem(const QString &text, QMessageBox::StandardButtons buttons,
                                      const QString &title = QApplication::applicationName())
{
    QMessageBox box(QMessageBox::NoIcon, title, text, buttons);
    box.setTextFormat(Qt::PlainText);  // a name or a file name in the text shows as it stands
    return static_cast<QMessageBox::StandardButton>(box.exec());
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

void SystemNotice(const QString &text, const QString &title)
{
    askSystem(text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, title);
}

} // namespace fixtora
