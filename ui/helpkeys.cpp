#include "helpkeys.h"

#include "TFormHelp.h"
#include "TFormMain.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMetaObject>
#include <QVariant>
#include <QWidget>

namespace orrery {

namespace {

struct WindowPage {
    const char* className;
    const char* keyword;
};

// Several windows share a page where they are used together (the command windows of the move
// editor, the configuration windows, the text viewer, editor and search).
const WindowPage windowPages[] = {
    {"TFormMain", "maindisplay"},
    {"TFormMove", "moveeditor"},
    {"TFormShowOptions", "moveeditor"},
    {"TFormMoveCommand", "commands"},
    {"TFormSelectFromList", "commands"},
    {"TFormMoveScanArea", "areatools"},
    {"TFormMoveSendFromPlanet", "areatools"},
    {"TFormMoveTransporter", "transporter"},
    {"TFormShipDesign", "shipdesign"},
    {"TFormPlanetView", "planetview"},
    {"TFormBattle", "battle"},
    {"TFormBattleResult", "battleresult"},
    {"TFormNews", "news"},
    {"TFormTurnInfo", "turnoverview"},
    {"TFormShowRaces", "races"},
    {"TFormYourPlanets", "yourplanets"},
    {"TFormChart", "chart"},
    {"TFormFindPlanet", "find"},
    {"TFormFindRace", "find"},
    {"TFormViewTextFile", "textfiles"},
    {"TFormTextEditor", "textfiles"},
    {"TFormTextSearch", "textfiles"},
    {"TFormConfigurations", "configurations"},
    {"TFormSaveConfiguration", "configurations"},
    {"TFormNoConfiguration", "configurations"},
    {"TFormGameInfo", "configurations"},
    {"TFormOptions", "options"},
    {"TFormImportMail", "import"},
    {"TAboutBox", "author"},
    {"TFormDebug", "tips"},
    {"TFormHelp", "introduction"},
};

QString pageOfClass(const QMetaObject* meta)
{
    for (; meta != nullptr; meta = meta->superClass()) {
        QString name = QString::fromLatin1(meta->className());
        name = name.mid(name.lastIndexOf(QLatin1Char(':')) + 1); // without the namespace
        for (const WindowPage& page : windowPages)
            if (name == QLatin1String(page.className)) return QString::fromLatin1(page.keyword);
    }
    return {};
}

// Watches the key presses of the whole program for those in the windows of one main window.
class HelpKeyFilter : public QObject {
public:
    explicit HelpKeyFilter(TFormMain& main) : QObject(&main), main_(main) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || !watched->isWidgetType()) return false;
        const auto* widget = static_cast<QWidget*>(watched);
        if (!belongsToMain(widget)) return false;
        const QString keyword = helpKeywordOf(widget);
        main_.helpWindow().showTopic(keyword.isEmpty() ? QStringLiteral("maindisplay") : keyword);
        return true;
    }

private:
    // The windows of the main window are its children (isAncestorOf stops at a window's edge).
    bool belongsToMain(const QWidget* widget) const
    {
        for (; widget != nullptr; widget = widget->parentWidget())
            if (widget == &main_) return true;
        return false;
    }

    TFormMain& main_;
};

} // namespace

QString helpKeywordOf(const QWidget* widget)
{
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant named = widget->property("helpKeyword");
        if (named.isValid() && !named.toString().isEmpty()) return named.toString();
        const QString page = pageOfClass(widget->metaObject());
        if (!page.isEmpty()) return page;
    }
    return {};
}

void installHelpKey(TFormMain& main)
{
    qApp->installEventFilter(new HelpKeyFilter(main));
    // The screenshot mode's "--show help".
    main.registerWindow(QStringLiteral("help"), [&main] {
        main.helpWindow().showTopic(QStringLiteral("introduction"));
        return static_cast<QWidget*>(&main.helpWindow());
    });
}

} // namespace orrery
