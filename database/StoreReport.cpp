#include "database/StoreReport.h"

#include "platform/MessageCodes.h"

#include <utility>

namespace {

StoreMessageSink& sink()
{
    static StoreMessageSink s;
    return s;
}

} // namespace

StoreMessageSink SetStoreMessageSink(StoreMessageSink s)
{
    return std::exchange(sink(), std::move(s));
}

int ReportStoreMessage(const QString& text, const QString& caption, unsigned flags)
{
    if (!sink())
        return platform::IDOK;
    return sink()(text, platform::MessageTitle(caption), flags);
}
