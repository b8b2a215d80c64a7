#include "app/DisplayFailureGuard.h"

#include "app/CommandLine.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct HeldMessage
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage> held;
bool displayUnreachable = false;

void passOnHeld()
{
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr
                                                                    : message.category.constData());
        previousHandler(message.type, context, message.text);
    }
    held.clear();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    // What the X11 and the Wayland platform say when the display is not there.
    if (text.contains(QLatin1String("could not connect to display")) ||
        text.contains(QLatin1String("Failed to create wl_display")))
        displayUnreachable = true;
    if (type != QtFatalMsg) {
        held.push_back({type, QByteArray(context.category), text});
        return;
    }
    if (displayUnreachable) {
        std::fprintf(stderr, "%s\n", NoDisplayText().toLocal8Bit().constData());
        std::_Exit(1);
    }
    passOnHeld();
    previousHandler(type, context, text);
}

} // namespace

DisplayFailureGuard::DisplayFailureGuard()
{
    previousHandler = qInstallMessageHandler(holdMessage);
}

DisplayFailureGuard::~DisplayFailureGuard()
{
    qInstallMessageHandler(previousHandler);
    passOnHeld();
}
