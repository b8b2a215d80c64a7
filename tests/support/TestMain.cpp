// Runs the GoogleTest cases of the widget layers inside a QApplication
// (offscreen). The ledger store's messages become message boxes as in the
// program, so a MessageBoxRecorder sees them too.
#include "database/StoreReport.h"
#include "platform/MessageBox.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    SetStoreMessageSink([](const QString& text, const QString& caption, unsigned flags) {
        return platform::MessageBox(nullptr, text, caption, flags);
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
