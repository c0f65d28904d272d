#pragma once

// The main window: the button bar, the star map, the planet panel with the groups at the
// selected planet, and the menus. It holds the game session and answers what the session asks
// (messages, the game type, the map's size and repaint, the step commands, the film timer).

#include "MapView.h"
#include "configuration.h"
#include "maincommands.h"
#include "messages.h"
#include "mapgeometry.h"
#include "mapinteraction.h"
#include "maprenderer.h"
#include "planetpanel.h"
#include "session.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QActionGroup;
class QButtonGroup;
class QLabel;
class QGroupBox;
class QRadioButton;
class QSettings;
class QSplitter;
class QTimer;
class QToolButton;
class QMenu;

namespace orrery {

class MapCanvas;
class TAboutBox;
class TFormConfigurations;
class TFormDebug;
class TFormGameInfo;
class TFormHelp;
class TFormNoConfiguration;
class TFormOptions;
class TFormSaveConfiguration;
class TORRegistry;
class TStringGridOR;

// The windows that show the shown turn and are refreshed after a change of turn, in the order
// they are refreshed.
enum class OpenView : std::uint8_t {
    ShipDesign,
    ShowRaces,
    PlanetView,
    YourPlanets,
    News,
    Battle,
    ShowOptions,
    TurnInfo,
    Chart,
};

class TFormMain : public QMainWindow, public SessionUi {
    Q_OBJECT
public:
    // settings: the per-user store of the configurations; boxes: the message boxes of every
    // window (nullptr: the program's dialogs).
    explicit TFormMain(QSettings& settings, MessageBoxes* boxes = nullptr, QWidget* parent = nullptr);
    ~TFormMain() override;

    Session& session() { return session_; }
    // The per-user store the window was given (configurations, window places, recent games).
    QSettings& settings() { return settings_; }
    MapView& map() { return *PaintBoxMap; }

    // Start-up: loads the configuration of that name ("" for "Standard", a final ".cfg" dropped)
    // and starts it; without a standard configuration the "No configuration" window appears.
    void startUp(const QString& configuration);
    // "Create configuration..." with a report of the game already chosen: the report of any turn
    // opens the game from the report of turn 0 beside it.
    bool createConfigurationFrom(const QString& report);
    // Loads a stored configuration, applies it and starts it (also when loading failed).
    void loadAndStartConfiguration(const QString& name);
    // The current state as a configuration, and a configuration applied in the stored order.
    Configuration currentConfiguration() const;
    void applyConfiguration(const Configuration& values, const std::vector<std::string>& keysInOrder);

    // Without questions: every question takes its default answer, the game type window its
    // detected type, information boxes are skipped (screenshots, the demo).
    void setQuiet(bool quiet) { quiet_ = quiet; }
    // Answers the game type question instead of the game type window (tests, scripts).
    std::function<GameTypeChoice(std::int32_t detected, const std::string& details)> gameTypeAnswer;

    // The actions of the commands (the bar button and the menu entry share one) and the bar's
    // buttons (nullptr for commands without one).
    QAction* action(MainCommand command) const;
    QAction* toggleAction(ToggleIndex t) const;
    QToolButton* barButton(MainCommand command) const;
    QWidget* buttonBar() const { return PanelButtonBar; }
    QString reportLabelText() const;
    MessageBoxes& messageBoxes() { return *boxes_; }

    // SessionUi
    bool message(MessageKind kind, const std::string& text, HelpTopic help) override;
    GameTypeChoice confirmGameType(std::int32_t detected, const std::string& details) override;
    int mapViewportWidth() override;
    void zoomChanged() override;
    void mapResized(bool restoreScroll) override;
    void repaintMap() override;
    void stepCommandsChanged(const StepState& steps) override;
    void showPanelForLabel(const std::string& label) override;
    void refreshOpenViews(const std::string& planet) override;
    void filmTimer(bool on, int interval) override;
    void filmButton(bool down) override;
    void reportLabelChanged(int turn) override;
    void turnButtonsVisible(bool visible) override;
    void turnRead() override;
    void shipDesignerRefresh() override;

    // The windows that show the shown turn register how they are refreshed after a change of
    // turn; the open ones are refreshed in the order of OpenView (a visible window rebuilds its
    // content, the planet view shows the given planet).
    void setRefreshHook(OpenView view, std::function<void(const std::string&)> hook);
    // Makes a command of a later window usable: enables its action (bar button and menu entry)
    // and runs `run` when it is chosen.
    void enableCommand(MainCommand command, std::function<void()> run);
    // What a window does after every press on the map (after the selection, or the zoom): it is
    // handed what the press selected, nullptr for a press that zoomed.
    using PressFollowUp = std::function<void(const PressResult* press)>;
    void addPressFollowUp(PressFollowUp followUp);
    // The "X:" and "Y:" mouse position texts from their third character on (the number with the
    // blanks before it), as a press leaves them.
    std::pair<QString, QString> mousePositionTexts() const;
    // The ship designer, once installed: recompute after the selected planet changed, and the
    // technology fields again after a configuration started.
    std::function<void()> shipDesignRecompute;
    std::function<void()> shipDesignTechnologies;
    // The windows that make the map highlight a race ("Find Race", the races table), once
    // installed: what they ask of the map while they are open.
    std::function<MapHighlight()> mapHighlight;
    // The windows the screenshot mode can open by name ("shipdesign", "battle", ...): `open`
    // shows the window as its command would and returns it.
    void registerWindow(const QString& name, std::function<QWidget*()> open);
    QWidget* openNamedWindow(const QString& name);
    QStringList windowNames() const;

    // The map: its scroll state as the geometry sees it, a press and a move at a canvas pixel.
    MapScroll scrollState() const;
    void applyScroll(const MapScroll& scroll);
    void mapPressed(QPoint canvasPixel);
    void mapMoved(QPoint canvasPixel);
    // What the map shows (toggles, circles, highlighting).
    MapDisplay mapDisplay() const;
    // The planet panel and the groups at its planet.
    void ShowPlanetPanel(PanelShows what, const planetrecord* planet, const std::string& name, double x, double y);
    void FillGroupsAtPlanet();
    QString panelText(const QString& labelName) const;
    TStringGridOR& groupsGrid() { return *StringGridGroups; }
    bool yellowMarkerVisible() const;
    void setGroupFilter(GroupFilter filter);
    void SelectPlanet(const QString& text);
    void CentreMapOn(double x, double y);

    // The windows of the configurations and settings (created once, hidden).
    TFormConfigurations& configurationsWindow() { return *FormConfigurations; }
    TFormSaveConfiguration& saveConfigurationWindow() { return *FormSaveConfiguration; }
    TFormNoConfiguration& noConfigurationWindow() { return *FormNoConfiguration; }
    TFormGameInfo& gameInfoWindow() { return *FormGameInfo; }
    TFormOptions& optionsWindow() { return *FormOptions; }
    TFormDebug& debugWindow() { return *FormDebug; }
    TFormHelp& helpWindow() { return *FormHelp; }
    TORRegistry& registry() { return *registry_; }

signals:
    void turnShown();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createButtonBar();
    void createPlanetPanel();
    void layoutButtonBar();
    void toggleClicked(ToggleIndex t);
    // The zoom as the window shows it (the zoom commands enabled as far as it allows).
    void applyZoom(int zoom);
    void zoomStep(int delta);
    void zoomToSavedPosition();
    void fitCanvas();
    void tenReportsBackClick();
    void previousReportClick();
    void nextReportClick();
    void tenReportsFurtherClick();
    void zoomOutClick();
    void zoomInClick();
    void zoomToSavedClick();
    void filmClick();
    void createConfiguration();
    void openLoadWindow();
    void openSaveWindow();
    void openDeleteWindow();
    void openOptions();
    void showAbout();
    void saveConfiguration(const std::string& name);
    void paintMap(QImage& image, QPoint origin);

    QSettings& settings_;
    std::unique_ptr<DialogBoxes> ownBoxes_;
    MessageBoxes* boxes_ = nullptr;
    std::unique_ptr<TORRegistry> registry_;
    Session session_;
    bool quiet_ = false;
    bool started_ = false;

    QWidget* PanelButtonBar = nullptr;
    QSplitter* Splitter = nullptr;
    MapView* PaintBoxMap = nullptr;
    QWidget* PanelPlanet = nullptr;
    QLabel* LabelName = nullptr;
    QGroupBox* GroupBoxMousePos = nullptr;
    QLabel* LabelMouseX = nullptr;
    QLabel* LabelMouseY = nullptr;
    QLabel* LabelMouseDTO = nullptr;
    QTimer* TimerFilm = nullptr;
    QWidget* PanelInfo = nullptr;
    std::map<QString, QLabel*> panelLabels_;
    QLabel* ImageYellowMarker = nullptr;
    QLabel* LabelGroupsCaption = nullptr;
    QRadioButton* RadioButtonAll = nullptr;
    QRadioButton* RadioButtonMilitary = nullptr;
    QRadioButton* RadioButtonTransport = nullptr;
    TStringGridOR* StringGridGroups = nullptr;
    std::string panelobject_;
    GroupFilter filter_ = GroupFilter::All;
    std::unique_ptr<MapCanvas> canvas_; // the last painted part of the map, for presses

    TFormConfigurations* FormConfigurations = nullptr;
    TFormSaveConfiguration* FormSaveConfiguration = nullptr;
    TFormNoConfiguration* FormNoConfiguration = nullptr;
    TFormGameInfo* FormGameInfo = nullptr;
    TFormOptions* FormOptions = nullptr;
    TAboutBox* AboutBox = nullptr;
    TFormDebug* FormDebug = nullptr;
    TFormHelp* FormHelp = nullptr;

    std::array<QAction*, mainCommandCount> actions_{};
    std::array<QToolButton*, mainCommandCount> buttons_{};
    std::array<std::function<void(const std::string&)>, static_cast<std::size_t>(OpenView::Chart) + 1> refreshHooks_;
    std::vector<PressFollowUp> pressFollowUps_;
    std::map<QString, std::function<QWidget*()>> namedWindows_;
};

} // namespace orrery
