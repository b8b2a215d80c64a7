#include "platform/Clock.h"

namespace platform {
namespace {
std::function<QDateTime()>& clock()
{
    static std::function<QDateTime()> c;
    return c;
}
} // namespace

QDateTime CurrentDateTime()
{
    return clock() ? clock()() : QDateTime::currentDateTime();
}
QDate CurrentDate()
{
    return CurrentDateTime().date();
}
void SetClock(std::function<QDateTime()> c)
{
    clock() = std::move(c);
}

} // namespace platform
