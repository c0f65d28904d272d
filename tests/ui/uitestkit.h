#pragma once

// What the widget tests share: a MessageBoxes that records the messages handed to the windows,
// lists of texts as standard strings (failures print them readably), and a main window over a
// generated game in a folder of its own.

#include "TFormMain.h"
#include "galaxygen.h"
#include "testfiles.h"
#include "testkit.h"

#include <QtWidgets>

#include <deque>
#include <memory>

namespace orrery::test {

// Records every message instead of showing it; questions take the answers queued (Yes when the
// queue is empty).
class MessageRecorder : public MessageBoxes {
public:
    struct Message { MessageKind kind; QString text; HelpTopic help; };
    bool show(QWidget*, MessageKind kind, const QString& text, HelpTopic help = HelpTopic::None) override
    {
        messages.push_back({kind, text, help});
        const bool answer = answers.empty() || answers.front();
        if (!answers.empty()) answers.pop_front();
        return answer;
    }
    Strings texts() const
    {
        Strings list;
        for (const Message& m : messages) list.push_back(m.text.toStdString());
        return list;
    }
    void clear() { messages.clear(); }

    std::vector<Message> messages;
    std::deque<bool> answers;
};

// A press and release of a mouse button at a point of a widget (then a double click when twice).
inline void click(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton, bool twice = false)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
        QMouseEvent e(type, at, target->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
        if (type == QEvent::MouseButtonRelease && !twice) return;
    }
}

inline Strings strings(const QStringList& list)
{
    Strings out;
    for (const QString& s : list) out.push_back(s.toStdString());
    return out;
}

// The own planet with the most groups at it (nullptr when no own planet has any) and their number.
inline std::pair<const planetrecord*, std::size_t> busiestOwnPlanet(const Game& g)
{
    std::pair<const planetrecord*, std::size_t> best{nullptr, 0};
    for (const planetrecord& p : g.turn.planets) {
        const std::size_t n = FillGroupsAtPlanet(g, p.name.str(), GroupFilter::All).rows.size();
        if (p.owner == g.ownrace && n > best.second) best = {&p, n};
    }
    return best;
}

// A generated game (GalaxyNG, 40 planets, 4 races unless told otherwise) of some turns written as
// game0.txt ... into a temporary folder, and a main window over a settings file of its own that
// hands its messages to the recorder and answers the game type question with the detected type.
struct MainWindowFixture {
    TempDir dir;
    QSettings settings{QString::fromStdString(dir.file("settings.ini")), QSettings::IniFormat};
    MessageRecorder boxes;
    std::unique_ptr<TFormMain> main;

    static gen::GalaxyParams smallGame()
    {
        gen::GalaxyParams p;
        p.seed = 3, p.planets = 40, p.races = 4;
        return p;
    }
    explicit MainWindowFixture(int turns = 3, const gen::GalaxyParams& params = smallGame())
    {
        EXPECT_TRUE(gen::writeGame(gen::playGame(params, turns), dir.path(), "game"));
        open();
    }
    // A new main window over the same settings (the configurations stay).
    void open()
    {
        main = std::make_unique<TFormMain>(settings, &boxes);
        main->gameTypeAnswer = [](std::int32_t type, const std::string&) { return GameTypeChoice{type == gtUnknown ? gtStandard : type, false}; };
        main->resize(800, 607);
        main->show();
    }
    QString reportZero() const { return QString::fromStdString(dir.file("game0.txt")); }
    // Creates the configuration of the game; the reminder it shows is cleared.
    bool start() { return main->createConfigurationFrom(reportZero()) && (boxes.clear(), true); }
    Session& session() { return main->session(); }
    QAction* action(MainCommand c) const { return main->action(c); }
    void trigger(MainCommand c, int times = 1) { for (int i = 0; i < times; ++i) action(c)->trigger(); }
    // Paints the map now, so that presses see what is drawn.
    void paint() { main->grab(); }
};

// Zoom 5: the whole of these small galaxies is in view, and planets 2 units apart do not share a
// pixel.
inline void zoomOut(MainWindowFixture& f) { f.trigger(MainCommand::ZoomOut, 40), f.trigger(MainCommand::ZoomIn, 4); }

// The canvas pixel at the centre of a planet's symbol, where a press picks it.
inline QPoint centreOf(MainWindowFixture& f, const planetrecord& p)
{
    const MapGeometry g(f.session().game(), f.session().view().zoomfactor);
    const int r = SymbolRadius(p, f.session().planetSizesShown());
    return {g.MapToScreenX(p.x) + r, g.MapToScreenY(p.y) + r};
}

} // namespace orrery::test
