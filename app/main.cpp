// Blastmap: starts the game's one window on the real timers, message boxes and generator.
#include "app/font_warm_up.h"
#include "blastmap/version.h"
#include "game/form1.h"
#include "platform/form.h"
#include "platform/qt_services.h"

#include <QApplication>

int main(int argc, char** argv)
{
    // Qt's connection to the display leaves a second core idle: the fonts are read there.
    app::FontWarmUp fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(BLASTMAP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(BLASTMAP_VERSION_TEXT));
    // Matches the running window to its desktop entry, for the taskbar's icon and grouping.
    QApplication::setDesktopFileName(QStringLiteral("org.example.Blastmap"));

    fonts.wait();

    platform::QtServices services;
    game::Form1 form(services);
    services.setOwnerWindow(form.window());
    return platform::run(form);
}
