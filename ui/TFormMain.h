#pragma once

// The main window: the button bar, the star map, the planet panel with the groups at the
// selected planet, and the menus. It holds the game session and answers what the session asks
// (messages, the game type, the map's size and repaint, the step commands, the film timer).

#include "MapView.h"
#include "configuration.h"
#include "mapgeometry.h"
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

class TFormMain : public QMainWindow, public SessionUi {
    Q_OBJECT
public:
    // settings: the per-user store of the configurations.
    explicit TFormMain(QSettings& settings, QWidget* parent = nullptr);
    ~TFormMain() override;

    Session& session() { return session_; }
    MapView& map() { return *PaintBoxMap; }

    // Start-up: loads the configuration of that name ("" for "Standard", a final ".cfg" dropped)
    // and starts it; without a standard configuration the "No configuration" window appears.
    void startUp(const QString& configuration);
    // "Create configuration..." with the report of turn 0 already chosen.
    bool createConfigurationFrom(const QString& reportOfTurnZero);
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

    // The toggle actions by configuration key order, the step and film actions.
    QAction* toggleAction(ToggleIndex t) const { return toggles_[static_cast<std::size_t>(t)]; }
    QAction* action(const QString& objectName) const;
    QToolButton* barButton(const QString& objectName) const;
    QWidget* buttonBar() const { return PanelButtonBar; }
    QString reportLabelText() const;

    // SessionUi
    bool message(MessageKind kind, const std::string& text, int helpTopic) override;
    GameTypeChoice confirmGameType(std::int32_t detected, const std::string& details) override;
    int mapViewportWidth() override;
    void zoomChanged() override;
    void mapResized(bool restoreScroll) override;
    void repaintMap() override;
    void stepCommandsChanged(const StepState& steps) override;
    void showPlanetPanel(const std::string& label) override;
    void refreshOpenViews(const std::string& planet) override;
    void filmTimer(bool on, int interval) override;
    void filmButton(bool down) override;
    void reportLabelChanged(int turn) override;
    void turnButtonsVisible(bool visible) override;
    void turnRead() override;

    // The windows that show the shown turn register how they are refreshed after a change of
    // turn; they are refreshed in the fixed order of refreshOrder() (a visible window rebuilds
    // its content, the planet view shows the given planet).
    void setRefreshHook(const QString& window, std::function<void(const std::string&)> hook);
    static const QStringList& refreshOrder();
    // Makes a command of a later window usable: enables its action (bar button and menu entry)
    // and runs `run` when it is chosen.
    void enableCommand(const QString& actionName, std::function<void()> run);

    // The map: its scroll state as the geometry sees it, a press and a move at a canvas pixel.
    MapScroll scrollState() const;
    void applyScroll(const MapScroll& scroll);
    void mapPressed(QPoint canvasPixel);
    void mapMoved(QPoint canvasPixel);
    // What the map shows (toggles, circles, highlighting).
    MapDisplay mapDisplay() const;
    // The planet panel and the groups at its planet.
    void ShowPlanetPanel(int mode, const planetrecord* planet, const std::string& name, double x, double y);
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
    QAction* makeAction(const QString& name, const QString& text, const QString& hint, bool checkable = false);
    QToolButton* makeButton(QAction* action, int left, int top, const QString& glyph);
    void layoutButtonBar();
    void toggleClicked(ToggleIndex t);
    void setZoom(int zoom);
    void zoomStep(int delta);
    void fitCanvas();
    void createConfiguration();
    void openLoadWindow();
    void openSaveWindow();
    void openDeleteWindow();
    void openOptions();
    void showHelp(const QString& topic);
    void showAbout();
    void laterStep(QAction* action);
    void saveConfiguration(const std::string& name);
    void paintMap(QImage& image, QPoint origin);

    QSettings& settings_;
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

    std::array<QAction*, toggleCount> toggles_{};
    std::map<QString, QAction*> actions_;
    std::map<QString, QToolButton*> buttons_;
    std::vector<QToolButton*> secondRow_;
    std::map<QString, std::function<void(const std::string&)>> refreshHooks_;
};

} // namespace orrery
