#include "platform/usermessage.h"

#include <QDebug>

namespace fixtora {

namespace {

UserMessageBox &messageBox()
{
    static UserMessageBox current;
    return current;
}

} // namespace

void ShowUserMessage(const QString &message)
{
    if (messageBox())
        messageBox()(message);
    else
        qWarning().noquote() << message;
}

void SetUserMessageBox(UserMessageBox box)
{
    messageBox() = std::move(box);
}

} // namespace fixtora
