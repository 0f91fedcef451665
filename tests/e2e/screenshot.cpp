// Takes the README's screenshot: the real game window at Qt's scale factor 2 (the size software
// centres ask for at least), on a plain X desktop of its own, in play, with the civilians ticked
// and the target up. Where things are comes from the design, what shows from the pictures.
#include "tests/e2e/game_session.h"
#include "tests/e2e/play_steps.h"
#include "tests/e2e/scene_view.h"

#include <QCoreApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: blastmap-screenshot PNG-FILE\n", stderr);
        return 2;
    }
    // Qt's image plugins decode the pictures the screen is compared with.
    QCoreApplication application(argc, argv);
    try {
        using namespace e2e;
        GameSession::Options options;
        options.scale = 2;
        GameSession game(options);
        game.clickAt(kCivilianCheckBox * options.scale);
        game.moveTo(game.desktop().parkingPoint());
        const std::optional<QImage> shot =
            waitForScreen(game, milliseconds(30000), [&](const QImage& screen) {
                const QImage logical = screen.scaled(kClientSize);
                return targetSpot(logical) && civilianSpots(logical).size() == 2;
            });
        if (!shot) {
            std::fputs("the target and the civilians never showed together\n", stderr);
            return 1;
        }
        if (!shot->save(QString::fromLocal8Bit(argv[1]))) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
        std::printf("%s: target and both civilians up, %dx%d\n", argv[1], shot->width(),
                    shot->height());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
}
