// The Orrery program.
//
//   orrery [configuration]                 load that configuration (or "Standard") and start it
//   orrery --open PATH/NAME<n>EXT          create a configuration of the game of that report (of
//                                          any turn: the report of turn 0 beside it starts it)
//   orrery --screenshot FILE [--open PATH/NAME<n>EXT | configuration]
//                                          start without any question, save the main window
//                                          as PNG once the turn is shown, and exit
//   orrery --screenshot FILE --show NAME ...
//                                          open the window NAME (shipdesign, planetview, battle,
//                                          move, ...) over the started game and save it instead
//   orrery --quiet ...                     start without any question

#include "TFormMain.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QSaveFile>
#include <QSettings>
#include <QTimer>

#include <cstdio>

using namespace orrery;

namespace {

// Written like every file of the player's: a failed write leaves no half picture.
bool savePicture(QWidget& window, const QString& path)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && window.grab().save(&file, "PNG") && file.commit()) return true;
    std::fprintf(stderr, "orrery: cannot write the screenshot %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orrery"));
    QApplication::setApplicationName(QStringLiteral("Orrery"));
    QApplication::setApplicationVersion(QStringLiteral(ORRERY_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Orrery, a companion for players of Galaxy"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption open(QStringLiteral("open"), QStringLiteral("Create a configuration of the game of this report (of any turn)."),
                                  QStringLiteral("report"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the main window as PNG once the turn is shown, then exit."),
                                        QStringLiteral("file"));
    const QCommandLineOption show(QStringLiteral("show"),
                                  QStringLiteral("With --screenshot: open this window over the started game and save it "
                                                 "instead of the main window."),
                                  QStringLiteral("window"));
    const QCommandLineOption quiet(QStringLiteral("quiet"), QStringLiteral("Ask no questions: take every default."));
    parser.addOptions({open, screenshot, show, quiet});
    parser.addPositionalArgument(QStringLiteral("configuration"), QStringLiteral("The configuration to load."));
    parser.process(app);

    QSettings settings(QStringLiteral("Orrery"), QStringLiteral("Orrery"));
    TFormMain main(settings);
    const bool shooting = parser.isSet(screenshot);
    main.setQuiet(shooting || parser.isSet(quiet));
    const QStringList positional = parser.positionalArguments();
    const QString configuration = positional.size() == 1 ? positional.front() : QString();

    main.show();
    int status = 0;
    // The configuration is loaded once the window is shown, as a player sees it happen.
    QTimer::singleShot(0, &main, [&] {
        if (parser.isSet(open))
            main.createConfigurationFrom(parser.value(open));
        else
            main.startUp(configuration);
        if (!shooting) return;
        QWidget* other = nullptr;
        if (parser.isSet(show)) {
            other = main.openNamedWindow(parser.value(show));
            if (other == nullptr) {
                std::fprintf(stderr, "orrery: no window \"%s\" to show (known: %s)\n", qPrintable(parser.value(show)),
                             qPrintable(main.windowNames().join(QStringLiteral(", "))));
                status = 2;
                main.close();
                return;
            }
        }
        // One more turn of the event loop so that the map (and the window) are painted before the
        // picture is taken.
        QTimer::singleShot(50, &main, [&, other] {
            if (!savePicture(other != nullptr ? *other : static_cast<QWidget&>(main), parser.value(screenshot)))
                status = 2;
            main.close();
        });
    });
    const int result = app.exec();
    return status != 0 ? status : result;
}
