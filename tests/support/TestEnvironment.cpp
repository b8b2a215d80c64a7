#include "tests/support/TestEnvironment.h"

MessageBoxRecorder::MessageBoxRecorder()
{
    platform::SetMessageBoxHook([this](const QString& text, const QString& caption,
                                       unsigned flags) { return record(text, caption, flags); });
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    platform::SetMessageBoxHook({});
}
