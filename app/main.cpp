// Blastmap: starts the game's one window on the real timers, message boxes and generator.
#include "app/close_on_signals.h"
#include "app/command_line.h"
#include "app/font_warm_up.h"
#include "app/no_display.h"
#include "app/start_marks.h"
#include "blastmap/version.h"
#include "game/form1.h"
#include "platform/form.h"
#include "platform/qt/pictures_ahead.h"
#include "platform/qt/qt_front_end.h"
#include "platform/qt/qt_services.h"
#include "scene/form1_design.h"

#include <QApplication>
#include <QScopeGuard>
#include <memory>
#include <utility>

int main(int argc, char** argv)
{
    BLASTMAP_START_MARK(main);
    // Help and version need no display, so they are answered before Qt looks for one.
    if (const auto status = app::answerInformationOptions(argc, argv))
        return *status;
    // A usage error is one whatever the display: said before Qt looks for one.
    if (const auto status = app::rejectArgumentsUnknownToQt(argc, argv))
        return *status;
    // Caught from the start: a signal that comes while Qt connects closes the window once shown.
    app::SignalCloser signalCloser;
    // Qt's connection to the display leaves a second core idle: the fonts are read there.
    app::FontWarmUp fonts;
    app::NoDisplayExit noDisplay;
    QApplication app(argc, argv);
    // Qt frees fontconfig's configuration as the application goes, which must not happen while
    // the second core is still making it: on every way out, the fonts are joined before then.
    const auto joinFonts = qScopeGuard([&fonts] { fonts.wait(); });
    noDisplay.release();
    BLASTMAP_START_MARK(application);
    // A second core decodes the pictures while this one builds the window.
    auto pictures = std::make_unique<platform::PicturesAhead>(scene::form1Design());
    // Qt has taken its own options out of argv; only with a display can it tell which are its.
    if (const auto status = app::rejectLeftoverArguments(argc, argv))
        return *status;
    QApplication::setApplicationName(QStringLiteral(BLASTMAP_NAME));
    QApplication::setApplicationVersion(QStringLiteral(BLASTMAP_VERSION_TEXT));
    // Matches the running window to its desktop entry, for the taskbar's icon and grouping.
    QApplication::setDesktopFileName(QStringLiteral(BLASTMAP_DESKTOP_FILE_NAME));

    // Read before the first widget is made, so that Qt never reads it a second time alongside.
    fonts.wait();
    BLASTMAP_START_MARK(fonts);

    platform::QtServices services;
    game::Form1 form(services);
    platform::qt::takePicturesAhead(form, std::move(pictures));
    BLASTMAP_START_MARK(window);
    services.setOwnerWindow(platform::qt::windowOf(form));
    signalCloser.closeOnSignal(platform::qt::windowOf(form));
    return platform::run(form);
}
