#include <gtest/gtest.h>

#include <QString>
#include <QtGlobal>
#include <cstdlib>
#include <iostream>

#include "framework/gui/Runtime.h"

// One QApplication for the whole test program, on the offscreen platform unless the
// environment asks for another (a real display, to watch the tests).
namespace {

// The offscreen platform warns about every window feature it lacks; those lines say nothing
// about the program.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    if (type == QtDebugMsg) return;
    std::cerr << message.toStdString() << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(&QuietOffscreenWarnings);
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    const int result = RUN_ALL_TESTS();
    fw::RuntimeExit();
    return result;
}
