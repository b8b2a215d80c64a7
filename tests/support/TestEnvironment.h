#pragma once

#include "platform/MessageBox.h"
#include "tests/support/CoreTestEnvironment.h"

// Records every message box (the store's messages included, as the program
// shows them in boxes too) instead of showing it.
class MessageBoxRecorder : public MessageRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
};
