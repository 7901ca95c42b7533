#include "typeregistration.h"

#include "message.h"
#include "xevents.h"

#include <QMetaType>
#include <QtQml>

namespace TypeRegistration {

void registerTypes()
{
    qRegisterMetaType<XEvents::ProcessTypes>("XEvents::ProcessTypes");
    qRegisterMetaType<XEvents::MessageTypes>("XEvents::MessageTypes");
    qRegisterMetaType<XEvents::MessageActionTypes>("XEvents::MessageActionTypes");
    qRegisterMetaType<XEvents::UiStatus>("XEvents::UiStatus");
    qmlRegisterType<XEvents>("XEvents", 1, 0, "Events");

    qRegisterMetaType<Message::MessageFlags>("MessageFlags");
    qmlRegisterType<Message>("MessageFlags", 1, 0, "MessageFlags");
}

} // namespace TypeRegistration
