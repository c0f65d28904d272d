#include "TFormMain.h"

#include "FlowLayout.h"
#include "TAboutBox.h"
#include "TFormConfigurations.h"
#include "TFormDebug.h"
#include "TFormGameInfo.h"
#include "TFormHelp.h"
#include "TFormNoConfiguration.h"
#include "TFormOptions.h"
#include "TFormSaveConfiguration.h"
#include "TStringGridOR.h"
#include "configstore.h"
#include "mapcanvas.h"
#include "mapinteraction.h"
#include "messages.h"
#include "orderwindows.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <algorithm>

namespace orrery {

namespace {

// A display toggle: its bar button, hint, menu entry and place in the first row of the bar.
struct ToggleButton {
    ToggleIndex toggle;
    const char* button;
    const char* hint;
    const char* menu;
    int left;
    const char* glyph;
};

// In the order of the "Display" menu.
const ToggleButton toggleButtons[] = {
    {tgCircles, "SpeedButtonCircles", "show distance circles", "Show distance circles", 195, "\u25CE"},
    {tgDistance, "SpeedButtonDistance", "show distance", "Show distance", 220, "\u2194"},
    {tgShowIncoming, "SpeedButtonShowIncoming", "show incoming groups", "Show incoming groups", 245, "\u21E5"},
    {tgShowShips, "SpeedButtonShowShips", "show ships in hyperspace", "Show ships in hyperspace", 270, "\u00B7-"},
    {tgShowShips2, "SpeedButtonShowShips2", "show ships at planet", "Show ships at planet", 295, "+"},
    {tgShowIntelligence, "SpeedButtonShowIntelligence", "show planet owners from intelligence ",
     "Show intelligence", 320, "?"},
    {tgShowBattles, "SpeedButtonShowBattles", "show battles", "Show battles", 345, "\u2694"},
    {tgShowBombings, "SpeedButtonShowBombings", "show bombings (from intelligence)", "Show bombings", 370, "\u2739"},
    {tgCAP, "SpeedButtonCAP", "show capital routes", "Show capital routes", 395, "$"},
    {tgMAT, "SpeedButtonMAT", "show material routes", "Show material routes", 420, "M"},
    {tgCOL, "SpeedButtonCOL", "show colonist routes", "Show colonist routes", 445, "C"},
    {tgEMP, "SpeedButtonEMP", "show empty routes", "Show empty routes", 470, "E"},
    {tgNames, "SpeedButtonNames", "show planet names", "Show planet names", 495, "Ab"},
    {tgShowInfo, "SpeedButtonShowInfo", "show planet information", "Show planet information", 520, "i"},
    {tgShowInfo2, "SpeedButtonShowInfo2", "show planet defence/weapons/num. of ships",
     "Show planet defence/weapons/num. of ships", 545, "\u2261"},
    {tgPlanetSize, "SpeedButtonPlanetSize", "show size of planets", "Show size of planets", 570, "\u25CF"},
    {tgBattleSize, "SpeedButtonBattleSize", "show size of battles", "Show size of battles", 595, "\u25C9"},
    {tgGroupDistance, "SpeedButtonGroupDistance", "show group range circles", "Show groups range", 620, "G"},
    {tgFleetDistance, "SpeedButtonFleetDistance", "show fleet range circles", "Show fleets range", 645, "F"},
};

constexpr int barOneRow = 37;
constexpr int barTwoRows = 66;
constexpr int barWideEnough = 1048;
constexpr int secondRowShift = 670;

} // namespace

TFormMain::TFormMain(QSettings& settings, QWidget* parent)
    : QMainWindow(parent), settings_(settings), session_(*this)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Orrery"));
    resize(800, 607);
    registry_ = std::make_unique<TORRegistry>(settings_, [this](MessageKind kind, const std::string& text) {
        return message(kind, text, 0);
    });

    TimerFilm = new QTimer(this);
    TimerFilm->setInterval(1000);
    connect(TimerFilm, &QTimer::timeout, this, [this] { session_.filmTick(); });

    createActions();
    createMenus();

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createButtonBar();
    PanelButtonBar->setParent(central);
    layout->addWidget(PanelButtonBar);
    Splitter = new QSplitter(Qt::Vertical, central);
    Splitter->setObjectName(QStringLiteral("Splitter"));
    PaintBoxMap = new MapView(Splitter);
    createPlanetPanel();
    Splitter->addWidget(PaintBoxMap);
    Splitter->addWidget(PanelPlanet);
    Splitter->setStretchFactor(0, 1);
    Splitter->setStretchFactor(1, 0);
    Splitter->setSizes({420, 120});
    layout->addWidget(Splitter, 1);
    setCentralWidget(central);

    PaintBoxMap->setPainter([this](QImage& image, QPoint origin) { paintMap(image, origin); });
    connect(PaintBoxMap, &MapView::mousePressedOnCanvas, this, [this](QPoint pixel, Qt::MouseButton) { mapPressed(pixel); });
    connect(PaintBoxMap, &MapView::mouseMovedOnCanvas, this, [this](QPoint pixel) { mapMoved(pixel); });
    connect(PaintBoxMap, &MapView::viewportResized, this, [this] { fitCanvas(); });

    // The windows of this part of the program, created once and shown on demand.
    FormConfigurations = new TFormConfigurations(*registry_, this);
    FormConfigurations->onSave = [this](const std::string& name) { saveConfiguration(name); };
    FormConfigurations->onLoad = [this](const std::string& name) {
        loadAndStartConfiguration(QString::fromLocal8Bit(name.c_str()));
    };
    FormSaveConfiguration = new TFormSaveConfiguration(this);
    FormSaveConfiguration->onSaveStandard = [this] { saveConfiguration(TORRegistry::standardName); };
    FormSaveConfiguration->onSaveAlternative = [this] {
        FormConfigurations->openIn(TFormConfigurations::Mode::Save);
    };
    FormNoConfiguration = new TFormNoConfiguration(this);
    FormNoConfiguration->onCreateConfiguration = [this] { createConfiguration(); };
    FormNoConfiguration->onLoadConfiguration = [this] { openLoadWindow(); };
    FormGameInfo = new TFormGameInfo(this);
    FormOptions = new TFormOptions(this);
    FormOptions->onOK = [this](const ProgramOptions& options) {
        options.applyTo(session_.settings());
        TimerFilm->setInterval(std::max(1, options.filmDelay));
        GroupBoxMousePos->setVisible(options.showMousePos);
        PanelButtonBar->setVisible(options.showButtonBar);
        repaintMap();
    };
    AboutBox = new TAboutBox(this);
    FormDebug = new TFormDebug(this);
    FormHelp = new TFormHelp(this);
    TFormHelp::install(FormHelp);
    // The orders editor with its command windows and the game options window.
    installOrderWindows(*this);
    connect(Splitter, &QSplitter::splitterMoved, this, [this] {
        // A planet panel dragged away keeps one pixel, so it can be dragged back.
        const QList<int> sizes = Splitter->sizes();
        if (sizes.size() == 2 && sizes[1] == 0) Splitter->setSizes({sizes[0] - 1, 1});
        fitCanvas();
    });

    // The settings of a fresh main window.
    Configuration& c = session_.settings();
    for (std::size_t i = 0; i < toggles_.size(); ++i) toggles_[i]->setChecked(c.toggles[i]);
    session_.view().zoomfactor = -1;
    session_.view().savedzoom = -1;
    stepCommandsChanged(StepState{});
    setZoom(1);
    session_.view().zoomfactor = -1;
}

TFormMain::~TFormMain() = default;

QAction* TFormMain::makeAction(const QString& name, const QString& text, const QString& hint, bool checkable)
{
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    a->setToolTip(hint.isEmpty() ? text : hint);
    a->setCheckable(checkable);
    actions_[name] = a;
    return a;
}

QAction* TFormMain::action(const QString& objectName) const
{
    const auto it = actions_.find(objectName);
    return it == actions_.end() ? nullptr : it->second;
}

QToolButton* TFormMain::barButton(const QString& objectName) const
{
    const auto it = buttons_.find(objectName);
    return it == buttons_.end() ? nullptr : it->second;
}

void TFormMain::createActions()
{
    // Turn steps.
    connect(makeAction("SpeedButtonMinus10", "10 reports back", "ten reports back"), &QAction::triggered, this,
            [this] { session_.tenReportsBack(); });
    connect(makeAction("SpeedButtonminus", "Previous report", "previous report"), &QAction::triggered, this,
            [this] { session_.previousReport(); });
    connect(makeAction("SpeedButtonplus", "Next report", "next report"), &QAction::triggered, this,
            [this] { session_.nextReport(); });
    connect(makeAction("SpeedButtonPlus10", "10 reports further", "ten reports further"), &QAction::triggered, this,
            [this] { session_.tenReportsFurther(); });
    // Zoom.
    connect(makeAction("SpeedButtonZoomminus", "Zoom out", "zoom out"), &QAction::triggered, this,
            [this] { zoomStep(-1); });
    connect(makeAction("SpeedButtonZoomplus", "Zoom in", "zoom in"), &QAction::triggered, this,
            [this] { zoomStep(1); });
    makeAction("SpeedButtonZoom", "Zoom in on mouse position", "zoom in on mouse position", true);
    connect(makeAction("menuItemZoomSaved", "Zoom to saved position", ""), &QAction::triggered, this,
            [this] { mapResized(true); });
    // The zoom-on-mouse toggle: the menu entry and the button share their state.
    // Toggles: one action serves the bar button and the menu entry, so both stay in step.
    for (const ToggleButton& t : toggleButtons) {
        QAction* a = makeAction(t.button, t.menu, t.hint, true);
        toggles_[static_cast<std::size_t>(t.toggle)] = a;
        const ToggleIndex index = t.toggle;
        connect(a, &QAction::triggered, this, [this, index] { toggleClicked(index); });
    }
    // Search, tools and information windows.
    makeAction("SpeedButtonFindPlanet", "Find planet by name", "find planet by name");
    makeAction("SpeedButtonFindRace", "Find race by name", "find race by name");
    makeAction("SpeedButtonPlanet", "Planet view", "planet view", true);
    makeAction("SpeedButtonShips", "Ship design", "ship design");
    makeAction("SpeedButtonMove", "Move Editor", "Move Editor");
    makeAction("SpeedButtonBattle", "Battle Simulator", "Battle Simulator");
    makeAction("SpeedButtonTextEditor", "Text Editor", "");
    connect(makeAction("SpeedButtonFilm", "Show film", "play all reports like a film", true), &QAction::triggered,
            this, [this] {
                // The button shows the film's state; the session decides it.
                action("SpeedButtonFilm")->setChecked(session_.filmRunning());
                session_.startFilm();
            });
    makeAction("SpeedButtonRaces", "Show races", "show races");
    makeAction("SpeedButtonYourPlanets", "Show planets", "show planets");
    makeAction("SpeedButtonNews", "Show news", "show news");
    makeAction("SpeedButtonTurnOverview", "Show turn overview", "show turn overview");
    makeAction("SpeedButtonShowOptions", "Show game options", "show game options");
    makeAction("SpeedButtonShowChart", "Show chart", "show chart");
    // The windows of these commands come with later steps: visible, but not yet usable.
    for (const char* name : {"SpeedButtonFindPlanet", "SpeedButtonFindRace", "SpeedButtonPlanet", "SpeedButtonShips",
                             "SpeedButtonMove", "SpeedButtonBattle", "SpeedButtonTextEditor", "SpeedButtonRaces",
                             "SpeedButtonYourPlanets", "SpeedButtonNews", "SpeedButtonTurnOverview",
                             "SpeedButtonShowOptions", "SpeedButtonShowChart"})
        laterStep(action(name));
    // System.
    connect(makeAction("menuItemCreate", "Create configuration...", ""), &QAction::triggered, this,
            [this] { createConfiguration(); });
    connect(makeAction("menuItemLoad", "Load configuration...", ""), &QAction::triggered, this,
            [this] { openLoadWindow(); });
    connect(makeAction("menuItemSave", "Save configuration...", ""), &QAction::triggered, this,
            [this] { openSaveWindow(); });
    connect(makeAction("menuItemDelete", "Delete configuration...", ""), &QAction::triggered, this,
            [this] { openDeleteWindow(); });
    connect(makeAction("menuItemOptions", "Change options...", ""), &QAction::triggered, this,
            [this] { openOptions(); });
    laterStep(makeAction("menuItemLoadText", "Load text file...", ""));
    connect(makeAction("menuItemExit", "Exit", ""), &QAction::triggered, this, [this] { close(); });
    // Help.
    const std::pair<const char*, const char*> helpTopics[] = {
        {"Introduction", "introduction"}, {"The main display", "maindisplay"}, {"Buttons", "buttons"},
        {"Menus", "menus"}, {"Tools", "tools"}, {"Information formulars", "information"}, {"Tips", "tips"},
        {"Contacting the author", "author"}};
    for (const auto& [caption, topic] : helpTopics) {
        const QString keyword = QString::fromLatin1(topic);
        connect(makeAction(QStringLiteral("menuItemHelp_") + keyword, QString::fromLatin1(caption), ""),
                &QAction::triggered, this, [this, keyword] { showHelp(keyword); });
    }
    connect(makeAction("menuItemAbout", "About", ""), &QAction::triggered, this, [this] { showAbout(); });
    // The debug window has no menu entry: Ctrl+Alt+D shows it.
    QAction* debug = makeAction("menuItemDebug", "Debug window", "");
    debug->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    debug->setShortcutContext(Qt::ApplicationShortcut);
    addAction(debug);
    connect(debug, &QAction::triggered, this, [this] { FormDebug->show(); });
}

void TFormMain::laterStep(QAction* a)
{
    a->setEnabled(false);
    a->setProperty("laterStep", true);
}

void TFormMain::createMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* system = bar->addMenu(QStringLiteral("System"));
    for (const char* name : {"menuItemCreate", "menuItemLoad", "menuItemSave", "menuItemDelete"})
        system->addAction(action(name));
    system->addSeparator();
    system->addAction(action("menuItemOptions"));
    system->addAction(action("menuItemLoadText"));
    system->addSeparator();
    system->addAction(action("menuItemExit"));
    QMenu* turn = bar->addMenu(QStringLiteral("Turn"));
    for (const char* name : {"SpeedButtonminus", "SpeedButtonplus", "SpeedButtonMinus10", "SpeedButtonPlus10"})
        turn->addAction(action(name));
    QMenu* zoom = bar->addMenu(QStringLiteral("Zoom"));
    for (const char* name : {"SpeedButtonZoomplus", "SpeedButtonZoomminus", "SpeedButtonZoom", "menuItemZoomSaved"})
        zoom->addAction(action(name));
    QMenu* display = bar->addMenu(QStringLiteral("Display"));
    for (const ToggleButton& t : toggleButtons) display->addAction(action(t.button));
    QMenu* search = bar->addMenu(QStringLiteral("Search"));
    search->addAction(action("SpeedButtonFindPlanet"));
    search->addAction(action("SpeedButtonFindRace"));
    QMenu* tools = bar->addMenu(QStringLiteral("Tools"));
    for (const char* name : {"SpeedButtonPlanet", "SpeedButtonShips", "SpeedButtonMove", "SpeedButtonBattle",
                             "SpeedButtonTextEditor", "SpeedButtonFilm"})
        tools->addAction(action(name));
    QMenu* information = bar->addMenu(QStringLiteral("Information"));
    for (const char* name : {"SpeedButtonRaces", "SpeedButtonYourPlanets", "SpeedButtonNews",
                             "SpeedButtonTurnOverview", "SpeedButtonShowOptions", "SpeedButtonShowChart"})
        information->addAction(action(name));
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    for (const char* topic : {"introduction", "maindisplay", "buttons", "menus", "tools", "information", "tips",
                              "author"})
        help->addAction(action(QStringLiteral("menuItemHelp_") + QString::fromLatin1(topic)));
    help->addSeparator();
    help->addAction(action("menuItemAbout"));
}

namespace {

// A button's picture: its glyph drawn in the middle of a small square.
QIcon glyphIcon(const QString& glyph)
{
    QPixmap pixmap(20, 20);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(glyph.size() > 1 ? 10 : 14);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(0, 0, 20, 20), Qt::AlignCenter, glyph);
    return QIcon(pixmap);
}

} // namespace

QToolButton* TFormMain::makeButton(QAction* a, int left, int top, const QString& glyph)
{
    auto* b = new QToolButton(PanelButtonBar);
    b->setObjectName(a->objectName());
    a->setIcon(glyphIcon(glyph));
    a->setIconVisibleInMenu(false);
    b->setDefaultAction(a);
    b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    b->setToolTip(a->toolTip());
    b->setGeometry(left, top, 25, 25);
    b->setAutoRaise(false);
    buttons_[a->objectName()] = b;
    return b;
}

void TFormMain::createButtonBar()
{
    PanelButtonBar = new QWidget(this);
    PanelButtonBar->setObjectName(QStringLiteral("PanelButtonBar"));
    PanelButtonBar->setFixedHeight(barTwoRows);
    PanelButtonBar->setAutoFillBackground(true);
    QPalette p = PanelButtonBar->palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    PanelButtonBar->setPalette(p);
    const int top = 6;
    makeButton(action("SpeedButtonMinus10"), 8, top, QStringLiteral("\u00AB"));
    makeButton(action("SpeedButtonminus"), 33, top, QStringLiteral("\u2039"));
    makeButton(action("SpeedButtonplus"), 58, top, QStringLiteral("\u203A"));
    makeButton(action("SpeedButtonPlus10"), 83, top, QStringLiteral("\u00BB"));
    makeButton(action("SpeedButtonZoomminus"), 114, top, QStringLiteral("\u2212"));
    makeButton(action("SpeedButtonZoomplus"), 139, top, QStringLiteral("+"));
    makeButton(action("SpeedButtonZoom"), 164, top, QStringLiteral("\u2295"));
    for (const ToggleButton& t : toggleButtons)
        makeButton(action(t.button), t.left, top, QString::fromUtf8(t.glyph));
    // The second row; beside the first one when the bar is wide enough.
    const std::pair<const char*, int> second[] = {
        {"SpeedButtonFindPlanet", 8},    {"SpeedButtonFindRace", 33},  {"SpeedButtonPlanet", 64},
        {"SpeedButtonShips", 89},        {"SpeedButtonMove", 114},     {"SpeedButtonBattle", 139},
        {"SpeedButtonTextEditor", 164},  {"SpeedButtonFilm", 189},     {"SpeedButtonRaces", 220},
        {"SpeedButtonYourPlanets", 245}, {"SpeedButtonNews", 270},     {"SpeedButtonShowChart", 295},
        {"SpeedButtonTurnOverview", 320}, {"SpeedButtonShowOptions", 345}};
    const char* glyphs[] = {"\u2315", "R?", "P", "S", "\u270E", "\u2694", "T", "\u25B6", "R", "Y", "N", "\u2197",
                            "O", "\u2699"};
    int g = 0;
    for (const auto& [name, left] : second) secondRow_.push_back(makeButton(action(name), left, 36, QString::fromUtf8(glyphs[g++])));
}

void TFormMain::layoutButtonBar()
{
    if (const auto layout = orrery::layoutButtonBar(PanelButtonBar->width(), PanelButtonBar->height())) {
        PanelButtonBar->setFixedHeight(layout->height);
        for (QToolButton* b : secondRow_) b->move(b->x() + layout->shift, layout->top);
    }
}

namespace {

// Pixels between two labels of a line of the planet panel, and the grid rows the panel shows at
// least when the window opens.
constexpr int panelLabelSpacing = 12;
constexpr int panelGridRows = 4;

// A label (named when a name is given) never narrower than this text.
QLabel* panelLabel(const QString& name, const QString& widest, QWidget* parent)
{
    auto* label = new QLabel(parent);
    if (!name.isEmpty()) label->setObjectName(name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(widest));
    return label;
}

// Each column of the groups grid as wide as its heading and its longest value, and at least as
// wide as its usual width.
void fitGroupColumns(TStringGridOR& grid)
{
    const QFontMetrics metrics(grid.font());
    const int margin = 2 * (grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1);
    const auto& columns = groupColumns();
    for (int c = 0; c < grid.columnCount(); ++c) {
        int width = std::max(columns[static_cast<std::size_t>(c)].width, grid.horizontalHeader()->sectionSizeHint(c));
        for (int r = 1; r < grid.rowCount(); ++r)
            width = std::max(width, metrics.horizontalAdvance(grid.Cells(c, r)) + margin);
        grid.setColumnWidth(c, width);
    }
}

} // namespace

void TFormMain::createPlanetPanel()
{
    PanelPlanet = new QWidget(Splitter);
    PanelPlanet->setObjectName(QStringLiteral("PanelPlanet"));
    PanelPlanet->setMinimumHeight(1);
    PanelPlanet->setAutoFillBackground(true);
    // Its height is set once it is shown and its width known (eventFilter).
    PanelPlanet->installEventFilter(this);
    QPalette p = PanelPlanet->palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    PanelPlanet->setPalette(p);
    auto* layout = new QVBoxLayout(PanelPlanet);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    // The report label and the yellow marker, the labels of the shown planet in their three lines
    // (each wrapped where the panel is too narrow), and the "Mouse pos." box at the right edge.
    PanelInfo = new QWidget(PanelPlanet);
    PanelInfo->setObjectName(QStringLiteral("PanelInfo"));
    auto* info = new QHBoxLayout(PanelInfo);
    info->setContentsMargins(4, 4, 2, 2);
    info->setSpacing(panelLabelSpacing);
    auto* left = new QVBoxLayout();
    left->setSpacing(2);
    LabelName = panelLabel(QStringLiteral("LabelName"), QStringLiteral("report: 0000"), PanelInfo);
    left->addWidget(LabelName);
    // The small yellow marker: groups are at the shown planet. Its place stays when it is hidden.
    ImageYellowMarker = new QLabel(PanelInfo);
    ImageYellowMarker->setObjectName(QStringLiteral("ImageYellowMarker"));
    QPixmap marker(57, 33);
    marker.fill(Qt::transparent);
    {
        QPainter mp(&marker);
        mp.setBrush(QColor(0xFF, 0xFF, 0x00));
        mp.setPen(Qt::black);
        mp.drawRect(2, 8, 52, 20);
        mp.drawText(QRect(2, 8, 52, 20), Qt::AlignCenter, QStringLiteral("groups"));
    }
    ImageYellowMarker->setPixmap(marker);
    QSizePolicy keepPlace = ImageYellowMarker->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    ImageYellowMarker->setSizePolicy(keepPlace);
    ImageYellowMarker->hide();
    left->addWidget(ImageYellowMarker);
    left->addStretch(1);
    info->addLayout(left);
    auto* lines = new FlowLayout(panelLabelSpacing, 2);
    for (const PanelLabel& l : planetPanelLabels()) {
        QLabel* label = panelLabel(QString::fromLatin1(l.name), QString::fromLatin1(l.widest), PanelInfo);
        lines->addFlowWidget(label, l.newLine);
        panelLabels_[label->objectName()] = label;
    }
    info->addLayout(lines, 1);
    GroupBoxMousePos = new QGroupBox(QStringLiteral("Mouse pos."), PanelInfo);
    GroupBoxMousePos->setObjectName(QStringLiteral("GroupBoxMousePos"));
    auto* mouse = new QVBoxLayout(GroupBoxMousePos);
    mouse->setContentsMargins(6, 2, 6, 2);
    mouse->setSpacing(0);
    const QString widestMouseText = QStringLiteral("DTO: 0000.00");
    LabelMouseX = panelLabel(QString(), widestMouseText, GroupBoxMousePos);
    LabelMouseY = panelLabel(QString(), widestMouseText, GroupBoxMousePos);
    LabelMouseDTO = panelLabel(QString(), widestMouseText, GroupBoxMousePos);
    LabelMouseX->setText(QStringLiteral("X:"));
    LabelMouseY->setText(QStringLiteral("Y:"));
    LabelMouseDTO->setText(QStringLiteral("DTO:"));
    for (QLabel* label : {LabelMouseX, LabelMouseY, LabelMouseDTO}) mouse->addWidget(label);
    info->addWidget(GroupBoxMousePos, 0, Qt::AlignTop);
    layout->addWidget(PanelInfo);

    // The groups at the planet, with the filter.
    auto* row = new QHBoxLayout();
    row->setContentsMargins(4, 0, 2, 0);
    LabelGroupsCaption = new QLabel(QStringLiteral("Groups at planet"), PanelPlanet);
    LabelGroupsCaption->setObjectName(QStringLiteral("LabelGroupsCaption"));
    row->addWidget(LabelGroupsCaption, 1, Qt::AlignBottom);
    auto* filterBox = new QGroupBox(QStringLiteral("What groups to view?"), PanelPlanet);
    filterBox->setObjectName(QStringLiteral("RadioGroupView"));
    auto* filterLayout = new QHBoxLayout(filterBox);
    filterLayout->setContentsMargins(4, 0, 4, 0);
    RadioButtonAll = new QRadioButton(QStringLiteral("all"), filterBox);
    RadioButtonMilitary = new QRadioButton(QStringLiteral("military"), filterBox);
    RadioButtonTransport = new QRadioButton(QStringLiteral("transport"), filterBox);
    RadioButtonAll->setChecked(true);
    for (auto [button, filter] : {std::pair{RadioButtonAll, GroupFilter::All},
                                  std::pair{RadioButtonMilitary, GroupFilter::Military},
                                  std::pair{RadioButtonTransport, GroupFilter::Transport}}) {
        filterLayout->addWidget(button);
        const GroupFilter f = filter;
        connect(button, &QRadioButton::toggled, this, [this, f](bool on) {
            if (on) setGroupFilter(f);
        });
    }
    row->addWidget(filterBox);
    layout->addLayout(row);

    // The grid takes the rest of the panel.
    StringGridGroups = new TStringGridOR(PanelPlanet);
    StringGridGroups->setObjectName(QStringLiteral("StringGridGroups"));
    QStringList headings;
    for (const GridColumn& c : groupColumns()) headings << QString::fromLatin1(c.heading);
    StringGridGroups->setColumnCount(static_cast<int>(headings.size()));
    StringGridGroups->setRowCount(2);
    StringGridGroups->setHeadings(headings);
    const int rowHeight = std::max(18, StringGridGroups->fontMetrics().height() + 4);
    StringGridGroups->setRowHeights(rowHeight);
    StringGridGroups->setRowSelect(true);
    StringGridGroups->setMinimumHeight((panelGridRows + 1) * rowHeight + 2 * StringGridGroups->frameWidth() +
                                       StringGridGroups->horizontalScrollBar()->sizeHint().height());
    fitGroupColumns(*StringGridGroups);
    layout->addWidget(StringGridGroups, 1);
}

QString TFormMain::reportLabelText() const { return LabelName->text(); }

void TFormMain::toggleClicked(ToggleIndex t)
{
    // Planet information and strength bars exclude each other; both may be off.
    if (t == tgShowInfo && toggleAction(tgShowInfo)->isChecked()) toggleAction(tgShowInfo2)->setChecked(false);
    if (t == tgShowInfo2 && toggleAction(tgShowInfo2)->isChecked()) toggleAction(tgShowInfo)->setChecked(false);
    Configuration& c = session_.settings();
    for (std::size_t i = 0; i < toggles_.size(); ++i) c.toggles[i] = toggles_[i]->isChecked();
    if (t == tgPlanetSize || t == tgBattleSize) turnRead();
    repaintMap();
}

void TFormMain::setZoom(int zoom)
{
    const ZoomButtons states = SetZoom(session_.view(), std::clamp(zoom, minimumZoom, maximumZoom));
    action("SpeedButtonZoomplus")->setEnabled(states.zoomIn);
    action("SpeedButtonZoom")->setEnabled(states.zoomInOnMouse);
    action("SpeedButtonZoomminus")->setEnabled(states.zoomOut);
}

MapScroll TFormMain::scrollState() const
{
    MapScroll s;
    const QSize viewport = PaintBoxMap->viewportSize();
    const QSize canvas = PaintBoxMap->canvasSize();
    s.h = {viewport.width(), PaintBoxMap->scrollPosition().x(), PaintBoxMap->canvasOffset().x(), canvas.width()};
    s.v = {viewport.height(), PaintBoxMap->scrollPosition().y(), PaintBoxMap->canvasOffset().y(), canvas.height()};
    return s;
}

void TFormMain::applyScroll(const MapScroll& scroll)
{
    PaintBoxMap->setCanvasSize({scroll.h.canvas, scroll.v.canvas});
    PaintBoxMap->setCanvasOffset({scroll.h.offset, scroll.v.offset});
    PaintBoxMap->setScrollPosition({scroll.h.position, scroll.v.position});
}

void TFormMain::zoomStep(int delta)
{
    MapScroll scroll = scrollState();
    // A disabled zoom command does nothing, also from the menu.
    if (!orrery::zoomStep(session_.view(), session_.game(), scroll, delta)) return;
    setZoom(session_.view().zoomfactor);
    applyScroll(scroll);
    repaintMap();
}

void TFormMain::fitCanvas()
{
    layoutButtonBar();
    MapScroll scroll = scrollState();
    resizeViewport(scroll);
    applyScroll(scroll);
}

void TFormMain::CentreMapOn(double x, double y)
{
    MapScroll scroll = scrollState();
    orrery::CentreMapOn(session_.game(), session_.view(), scroll, x, y);
    applyScroll(scroll);
    repaintMap();
}

MapDisplay TFormMain::mapDisplay() const
{
    MapDisplay display = MapDisplay::from(session_.settings());
    for (std::size_t i = 0; i < toggles_.size(); ++i) display.toggles[i] = toggles_[i]->isChecked();
    return display;
}

void TFormMain::paintMap(QImage& image, QPoint origin)
{
    const Game& g = session_.game();
    if (session_.view().zoomfactor < minimumZoom || g.mapwidth <= 0) return;
    const MapScroll scroll = scrollState();
    canvas_ = std::make_unique<MapCanvas>(visibleCanvasArea(scroll));
    MapRenderer(g, session_.view(), mapDisplay(), scroll).paint(*canvas_);
    QPainter p(&image);
    p.drawImage(canvas_->area().topLeft() - origin, canvas_->image());
}

void TFormMain::mapPressed(QPoint pixel)
{
    Game& g = session_.game();
    ViewState& view = session_.view();
    QAction* zoomMode = action("SpeedButtonZoom");
    if (zoomMode->isChecked() && zoomMode->isEnabled()) {
        MapScroll scroll = scrollState();
        if (zoomOnMousePosition(view, g, scroll, pixel.x(), pixel.y())) {
            setZoom(view.zoomfactor);
            applyScroll(scroll);
            repaintMap();
        }
        return;
    }
    const bool black = !canvas_ || !canvas_->area().contains(pixel) || canvas_->isBlack(pixel.x(), pixel.y());
    const PressResult result = mapPress(g, view, session_.planetSizesShown(), pixel.x(), pixel.y(), black);
    for (const PanelRequest& r : result.panels) ShowPlanetPanel(r.mode, r.planet, r.name, r.x, r.y);
    repaintMap();
}

void TFormMain::mapMoved(QPoint pixel)
{
    const auto texts = mapMouseMove(session_.game(), session_.view(), pixel.x(), pixel.y());
    if (!texts) return;
    LabelMouseX->setText(fromGame(texts->x));
    LabelMouseY->setText(fromGame(texts->y));
    LabelMouseDTO->setText(fromGame(texts->dto));
}

void TFormMain::ShowPlanetPanel(int mode, const planetrecord* planet, const std::string& name, double x, double y)
{
    const PlanetPanelTexts t = orrery::ShowPlanetPanel(session_.game(), mode, planet, name, x, y);
    panelobject_ = t.panelobject;
    const std::pair<const char*, const std::optional<std::string>*> labels[] = {
        {"LabelSelection", &t.selection},   {"LabelOwner", &t.owner},         {"LabelProducing", &t.producing},
        {"Labelxpos", &t.xpos},             {"Labelypos", &t.ypos},           {"LabelSize", &t.size},
        {"LabelPopulation", &t.population}, {"LabelIndustrie", &t.industrie}, {"LabelResources", &t.resources},
        {"LabelCAP", &t.cap},               {"LabelMAT", &t.mat},             {"LabelCOL", &t.col},
        {"LabelProduction", &t.production}, {"LabelMaxTech", &t.maxTech},     {"LabelmaxShip", &t.maxShip}};
    for (const auto& [name2, text] : labels)
        if (*text) panelLabels_.at(QString::fromLatin1(name2))->setText(fromGame(**text));
    FillGroupsAtPlanet();
}

QString TFormMain::panelText(const QString& labelName) const
{
    const auto it = panelLabels_.find(labelName);
    return it == panelLabels_.end() ? QString() : it->second->text();
}

bool TFormMain::yellowMarkerVisible() const { return !ImageYellowMarker->isHidden(); }

void TFormMain::setGroupFilter(GroupFilter filter)
{
    filter_ = filter;
    FillGroupsAtPlanet();
}

void TFormMain::FillGroupsAtPlanet()
{
    const GroupsAtPlanet groups = orrery::FillGroupsAtPlanet(session_.game(), panelobject_, filter_);
    LabelGroupsCaption->setText(fromGame(groups.caption));
    StringGridGroups->editCells([&](auto& grid) {
        grid.setRowCount(std::max<int>(2, static_cast<int>(groups.rows.size()) + 1));
        for (int r = 1; r < grid.rowCount(); ++r)
            for (int c = 0; c < grid.columnCount(); ++c) grid.setCell(c, r, std::string());
        for (std::size_t r = 0; r < groups.rows.size(); ++r)
            for (std::size_t c = 0; c < groups.rows[r].cells.size(); ++c)
                grid.setCell(static_cast<int>(c), static_cast<int>(r) + 1, groups.rows[r].cells[c]);
    });
    fitGroupColumns(*StringGridGroups);
    ImageYellowMarker->setVisible(groups.hasGroups);
}

void TFormMain::SelectPlanet(const QString& text)
{
    const planetrecord* p = orrery::SelectPlanet(session_.game(), session_.view(), toGame(text));
    if (!p) return;
    repaintMap();
    ShowPlanetPanel(1, p, p->name.str(), p->x, p->y);
}

// ------------------------------------------------------------------------------------------
// What the session asks.

bool TFormMain::message(MessageKind kind, const std::string& text, int helpTopic)
{
    if (quiet_) {
        if (kind == MessageKind::Error) qWarning("%s", text.c_str());
        return true;
    }
    return MessageBoxes::current().show(this, kind, fromGame(text), helpTopic);
}

GameTypeChoice TFormMain::confirmGameType(std::int32_t detected, const std::string& details)
{
    if (gameTypeAnswer) return gameTypeAnswer(detected, details);
    if (quiet_) return SessionUi::confirmGameType(detected, details);
    return FormGameInfo->ask(detected, fromGame(details));
}

int TFormMain::mapViewportWidth() { return PaintBoxMap->viewportSize().width(); }

void TFormMain::zoomChanged()
{
    if (session_.view().zoomfactor > 0) setZoom(session_.view().zoomfactor);
}

void TFormMain::mapResized(bool restoreScroll)
{
    const Game& g = session_.game();
    ViewState& v = session_.view();
    if (g.mapwidth <= 0 || g.mapheight <= 0) return;
    MapScroll scroll = scrollState();
    if (restoreScroll) {
        zoomToSavedPosition(v, g, scroll);
    } else {
        if (v.zoomfactor < minimumZoom) {
            if (const auto fit = fitToWidthZoom(scroll.h.viewport, g.mapwidth)) v.zoomfactor = *fit;
        }
        setCanvasSize(scroll, g, v.zoomfactor);
        resizeViewport(scroll);
    }
    setZoom(v.zoomfactor);
    applyScroll(scroll);
    repaintMap();
}

void TFormMain::repaintMap() { PaintBoxMap->viewport()->update(); }

void TFormMain::stepCommandsChanged(const StepState& steps)
{
    action("SpeedButtonminus")->setEnabled(steps.previous);
    action("SpeedButtonMinus10")->setEnabled(steps.tenBack);
    action("SpeedButtonplus")->setEnabled(steps.next);
    action("SpeedButtonPlus10")->setEnabled(steps.tenFurther);
}

void TFormMain::showPlanetPanel(const std::string& label)
{
    if (label.empty()) {
        ShowPlanetPanel(0, nullptr, std::string(), unknownposition, unknownposition);
        return;
    }
    const planetrecord* p = findPlanet(session_.game().turn, label);
    ShowPlanetPanel(1, p, label, unknownposition, unknownposition);
}

const QStringList& TFormMain::refreshOrder()
{
    static const QStringList order = {QStringLiteral("ShipDesign"),  QStringLiteral("ShowRaces"),
                                      QStringLiteral("PlanetView"),  QStringLiteral("YourPlanets"),
                                      QStringLiteral("News"),        QStringLiteral("Battle"),
                                      QStringLiteral("ShowOptions"), QStringLiteral("TurnInfo"),
                                      QStringLiteral("Chart")};
    return order;
}

void TFormMain::refreshOpenViews(const std::string& planet)
{
    for (const QString& window : refreshOrder()) {
        const auto it = refreshHooks_.find(window);
        if (it != refreshHooks_.end()) it->second(planet);
    }
}

void TFormMain::enableCommand(const QString& actionName, std::function<void()> run)
{
    QAction* a = action(actionName);
    if (!a) return;
    a->setProperty("laterStep", false);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
}

void TFormMain::setRefreshHook(const QString& window, std::function<void(const std::string&)> hook)
{
    refreshHooks_[window] = std::move(hook);
}

void TFormMain::filmTimer(bool on, int interval)
{
    TimerFilm->setInterval(std::max(1, interval));
    if (on)
        TimerFilm->start();
    else
        TimerFilm->stop();
}

void TFormMain::filmButton(bool down) { action("SpeedButtonFilm")->setChecked(down); }

void TFormMain::reportLabelChanged(int turn)
{
    LabelName->setText(QString::fromStdString(Session::reportLabel(turn)));
    // Long loads run in one handler: the label is repainted at once to show the progress.
    LabelName->repaint();
}

void TFormMain::turnButtonsVisible(bool visible)
{
    for (const char* name : {"SpeedButtonTurnOverview", "SpeedButtonShowChart"}) {
        if (QToolButton* b = barButton(name)) b->setVisible(visible);
        action(name)->setVisible(visible);
    }
}

void TFormMain::turnRead()
{
    Game& g = session_.game();
    SetPlanetBattleSize(g, toggleAction(tgBattleSize)->isChecked());
    correctBecauseOfPlanetSizeButton(g, session_.view(), toggleAction(tgPlanetSize)->isChecked());
    const bool blind = session_.game().gametype == gtBlind;
    if (QToolButton* b = barButton("SpeedButtonShowOptions")) b->setVisible(blind);
    action("SpeedButtonShowOptions")->setVisible(blind);
}

// ------------------------------------------------------------------------------------------
// Configurations.

void TFormMain::startUp(const QString& configuration)
{
    QString name = configuration;
    if (name.endsWith(QStringLiteral(".cfg"))) name.chop(4);
    Configuration values = session_.settings();
    std::vector<std::string> keys;
    const auto result = registry_->loadConfiguration(name.toStdString(), values, &keys);
    if (result == TORRegistry::LoadResult::NoStandard) {
        if (!quiet_) FormNoConfiguration->show();
        return;
    }
    if (result == TORRegistry::LoadResult::Loaded) {
        applyConfiguration(values, keys);
        session_.startConfiguration();
        emit turnShown();
    }
}

bool TFormMain::createConfigurationFrom(const QString& reportOfTurnZero)
{
    const bool ok = session_.createConfiguration(reportOfTurnZero.toLocal8Bit().toStdString());
    if (ok) emit turnShown();
    return ok;
}

void TFormMain::createConfiguration()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("Select turn report 0"), QString(),
                                                      QStringLiteral("All files (*)"));
    if (!file.isEmpty()) createConfigurationFrom(file);
}

void TFormMain::loadAndStartConfiguration(const QString& name)
{
    if (session_.filmRunning()) session_.stopFilm();
    Configuration values = session_.settings();
    std::vector<std::string> keys;
    if (registry_->loadConfiguration(name.toStdString(), values, &keys) == TORRegistry::LoadResult::Loaded)
        applyConfiguration(values, keys);
    session_.startConfiguration();
    refreshOpenViews("");
    emit turnShown();
}

Configuration TFormMain::currentConfiguration() const
{
    Configuration c = session_.settings();
    const Game& g = session_.game();
    const ViewState& v = session_.view();
    c.zoom = v.zoomfactor;
    c.windowWidth = width();
    c.windowHeight = height();
    c.windowPosLeft = x();
    c.windowPosTop = y();
    c.scrollPosX = PaintBoxMap->scrollPosition().x();
    c.scrollPosY = PaintBoxMap->scrollPosition().y();
    c.windowState = isMaximized() ? windowMaximised : isMinimized() ? windowMinimised : 0;
    c.gameType = g.gametype;
    c.planetsPerPlayer = g.homeplanetcount;
    c.turnDirectory = g.turndirectory;
    c.reportName = g.reportname;
    c.reportExt = g.reportext;
    c.filmDelay = TimerFilm->interval();
    for (std::size_t i = 0; i < toggles_.size(); ++i) c.toggles[i] = toggles_[i]->isChecked();
    return c;
}

void TFormMain::applyConfiguration(const Configuration& values, const std::vector<std::string>& keysInOrder)
{
    Configuration& c = session_.settings();
    ViewState& v = session_.view();
    for (const std::string& key : keysInOrder) {
        if (key == "Zoom") {
            v.savedzoom = values.zoom;
        } else if (key == "WindowState") {
            if (values.windowState == windowMaximised)
                showMaximized();
            else if (values.windowState == windowMinimised)
                showMinimized();
            else
                showNormal();
        } else if (key == "WindowPosLeft") {
            move(values.windowPosLeft, y());
        } else if (key == "WindowPosTop") {
            move(x(), values.windowPosTop);
            if (v.savedzoom > 0) setZoom(std::clamp(v.savedzoom, minimumZoom, maximumZoom));
        } else if (key == "WindowWidth") {
            resize(values.windowWidth, height());
        } else if (key == "WindowHeight") {
            resize(width(), values.windowHeight);
        } else if (key == "ScrollPosX") {
            v.savedscrollx = values.scrollPosX;
        } else if (key == "ScrollPosY") {
            v.savedscrolly = values.scrollPosY;
        } else if (key == "FilmDelay") {
            c.filmDelay = values.filmDelay;
            TimerFilm->setInterval(std::max(1, values.filmDelay));
        } else if (key == "ShowMousePos") {
            c.showMousePos = values.showMousePos;
            GroupBoxMousePos->setVisible(values.showMousePos);
        } else if (key == "ShowButtonBar") {
            c.showButtonBar = values.showButtonBar;
            PanelButtonBar->setVisible(values.showButtonBar);
        } else if (const int t = toggleIndex(key); t >= 0) {
            toggles_[static_cast<std::size_t>(t)]->setChecked(values.toggles[static_cast<std::size_t>(t)]);
            c.toggles[static_cast<std::size_t>(t)] = values.toggles[static_cast<std::size_t>(t)];
            // The size toggles recompute the symbol and battle sizes at once.
            if (t == tgPlanetSize || t == tgBattleSize) turnRead();
        }
    }
    c.includeMapPosition = values.includeMapPosition;
    c.moveEditorInitialDir = values.moveEditorInitialDir;
    c.textEditorInitialDir = values.textEditorInitialDir;
    c.moveEditorGameName = values.moveEditorGameName;
    c.moveEditorRaceName = values.moveEditorRaceName;
    c.moveEditorPassword = values.moveEditorPassword;
    c.numOfCircles = values.numOfCircles;
    c.rangeInterval = values.rangeInterval;
    session_.useReportSet(values.turnDirectory, values.reportName, values.reportExt, values.gameType,
                          values.planetsPerPlayer);
}

void TFormMain::saveConfiguration(const std::string& name)
{
    registry_->saveConfiguration(name, currentConfiguration());
}

void TFormMain::openLoadWindow() { FormConfigurations->openIn(TFormConfigurations::Mode::Load); }
void TFormMain::openSaveWindow() { FormSaveConfiguration->show(); }
void TFormMain::openDeleteWindow() { FormConfigurations->openIn(TFormConfigurations::Mode::Delete); }

void TFormMain::openOptions()
{
    FormOptions->showOptions(ProgramOptions::of(session_.settings(), TimerFilm->interval()));
}

void TFormMain::showHelp(const QString& topic) { FormHelp->showTopic(topic); }

void TFormMain::showAbout() { AboutBox->show(); }

// ------------------------------------------------------------------------------------------
// Window events.

void TFormMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    layoutButtonBar();
}

void TFormMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    fitCanvas();
}

bool TFormMain::eventFilter(QObject* watched, QEvent* event)
{
    // Once shown, the planet panel gets the height its labels, its filter and some grid rows need
    // at its width (the player may drag it smaller).
    if (watched == PanelPlanet && event->type() == QEvent::Show) {
        PanelPlanet->removeEventFilter(this);
        const QList<int> sizes = Splitter->sizes();
        const int wanted = PanelPlanet->layout()->minimumHeightForWidth(PanelPlanet->width());
        if (sizes.size() == 2 && sizes[1] < wanted) Splitter->setSizes({sizes[0] + sizes[1] - wanted, wanted});
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFormMain::closeEvent(QCloseEvent* event)
{
    session_.close();
    event->accept();
}

} // namespace orrery
