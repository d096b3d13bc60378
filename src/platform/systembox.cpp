#include "platform/systembox.h"

#include <QApplication>
#include <QMessageBox>

namespace fixtora {

namespace {

QMessageBox::StandardButton askSystem(const QString &text, QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, buttons);
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

} // namespace fixtora
