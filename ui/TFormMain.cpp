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
#include "battlewindow.h"
#include "calculatorwindows.h"
#include "chartwindows.h"
#include "configstore.h"
#include "contextwindows.h"
#include "firstrunwindows.h"
#include "helpkeys.h"
#include "importwindow.h"
#include "mapcanvas.h"
#include "mapinteraction.h"
#include "messages.h"
#include "newswindow.h"
#include "newturnwatcher.h"
#include "orderwindows.h"
#include "racewindows.h"
#include "reportpath.h"
#include "textwindows.h"
#include "transporterwindows.h"

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
#include <optional>

namespace orrery {

namespace {

} // namespace

TFormMain::TFormMain(QSettings& settings, MessageBoxes* boxes, QWidget* parent)
    : QMainWindow(parent), settings_(settings), session_(*this)
{
    // The help window is the main window's; message boxes open it from their help button.
    FormHelp = new TFormHelp(this);
    if (!boxes) {
        ownBoxes_ = std::make_unique<DialogBoxes>([this](HelpTopic topic) { FormHelp->showTopic(topic); });
        boxes = ownBoxes_.get();
    }
    boxes_ = boxes;
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Orrery"));
    resize(800, 607);
    registry_ = std::make_unique<TORRegistry>(settings_, [this](MessageKind kind, const std::string& text) {
        return message(kind, text, HelpTopic::None);
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
    FormConfigurations = new TFormConfigurations(*registry_, *boxes_, this);
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
    FormNoConfiguration->openHelp = [this](HelpTopic topic) { FormHelp->showTopic(topic); };
    FormGameInfo = new TFormGameInfo(this);
    FormOptions = new TFormOptions(*boxes_, this);
    FormOptions->onOK = [this](const ProgramOptions& options) {
        options.applyTo(session_.settings());
        TimerFilm->setInterval(std::max(1, options.filmDelay));
        GroupBoxMousePos->setVisible(options.showMousePos);
        PanelButtonBar->setVisible(options.showButtonBar);
        repaintMap();
    };
    AboutBox = new TAboutBox(this);
    FormDebug = new TFormDebug(this);
    // The orders editor with its command windows and the game options window.
    installOrderWindows(*this);
    // The ship designer and the planet view.
    installCalculatorWindows(*this);
    // The battle simulator, sharing the move editor's result window.
    installBattleWindow(*this);
    installChartWindows(*this);
    installTextWindows(*this);
    installRaceWindows(*this);
    installNewsWindow(*this);
    installTransporterWindow(*this);
    installContextWindows(*this);
    installNewTurnWatcher(*this);
    installFirstRunWindows(*this);
    installImportWindow(*this);
    installHelpKey(*this);
    connect(Splitter, &QSplitter::splitterMoved, this, [this] {
        // A planet panel dragged away keeps one pixel, so it can be dragged back.
        const QList<int> sizes = Splitter->sizes();
        if (sizes.size() == 2 && sizes[1] == 0) Splitter->setSizes({sizes[0] - 1, 1});
        fitCanvas();
    });

    // The settings of a fresh main window.
    Configuration& c = session_.settings();
    for (std::size_t i = 0; i < toggleCount; ++i) toggleAction(static_cast<ToggleIndex>(i))->setChecked(c.toggles[i]);
    session_.view().zoomfactor = -1;
    session_.view().savedzoom = -1;
    stepCommandsChanged(StepState{});
    applyZoom(1);
    session_.view().zoomfactor = -1;
}

TFormMain::~TFormMain() = default;

QAction* TFormMain::action(MainCommand command) const { return actions_[static_cast<std::size_t>(command)]; }

QToolButton* TFormMain::barButton(MainCommand command) const { return buttons_[static_cast<std::size_t>(command)]; }

QAction* TFormMain::toggleAction(ToggleIndex t) const { return action(toggleCommand(t)); }

void TFormMain::createActions()
{
    for (const MainCommandEntry& entry : mainCommands()) {
        auto* a = new QAction(QString::fromLatin1(entry.caption), this);
        a->setObjectName(QString::fromLatin1(entry.name));
        a->setToolTip(entry.hint ? QString::fromLatin1(entry.hint) : QString());
        a->setCheckable(entry.checkable);
        if (entry.defaultEntry) {
            QFont bold = a->font();
            bold.setBold(true);
            a->setFont(bold);
        }
        // The windows of these commands come with later steps: visible, but not yet usable.
        if (entry.laterStep) {
            a->setEnabled(false);
            a->setProperty("laterStep", true);
        }
        actions_[static_cast<std::size_t>(entry.command)] = a;
        if (entry.toggle) {
            const ToggleIndex index = *entry.toggle;
            connect(a, &QAction::triggered, this, [this, index] { toggleClicked(index); });
        }
        if (entry.help != HelpTopic::None) {
            const HelpTopic topic = entry.help;
            connect(a, &QAction::triggered, this, [this, topic] { FormHelp->showTopic(topic); });
        }
    }
    using C = MainCommand;
    const std::pair<MainCommand, void (TFormMain::*)()> handlers[] = {
        {C::TenReportsBack, &TFormMain::tenReportsBackClick},
        {C::PreviousReport, &TFormMain::previousReportClick},
        {C::NextReport, &TFormMain::nextReportClick},
        {C::TenReportsFurther, &TFormMain::tenReportsFurtherClick},
        {C::ZoomOut, &TFormMain::zoomOutClick},
        {C::ZoomIn, &TFormMain::zoomInClick},
        {C::ZoomToSaved, &TFormMain::zoomToSavedClick},
        {C::Film, &TFormMain::filmClick},
        {C::CreateConfiguration, &TFormMain::createConfiguration},
        {C::LoadConfiguration, &TFormMain::openLoadWindow},
        {C::SaveConfiguration, &TFormMain::openSaveWindow},
        {C::DeleteConfiguration, &TFormMain::openDeleteWindow},
        {C::ChangeOptions, &TFormMain::openOptions},
        {C::About, &TFormMain::showAbout},
    };
    for (const auto& [command, handler] : handlers) connect(action(command), &QAction::triggered, this, handler);
    connect(action(C::Exit), &QAction::triggered, this, [this] { close(); });
    // The debug window has no menu entry: Ctrl+Alt+D shows it.
    QAction* debug = action(C::DebugWindow);
    debug->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_D));
    debug->setShortcutContext(Qt::ApplicationShortcut);
    addAction(debug);
    connect(debug, &QAction::triggered, this, [this] { FormDebug->show(); });
}

void TFormMain::tenReportsBackClick() { session_.tenReportsBack(); }
void TFormMain::previousReportClick() { session_.previousReport(); }
void TFormMain::nextReportClick() { session_.nextReport(); }
void TFormMain::tenReportsFurtherClick() { session_.tenReportsFurther(); }
void TFormMain::zoomOutClick() { zoomStep(-1); }
void TFormMain::zoomInClick() { zoomStep(1); }
void TFormMain::zoomToSavedClick() { zoomToSavedPosition(); }

void TFormMain::filmClick()
{
    // The button shows the film's state; the session decides it.
    action(MainCommand::Film)->setChecked(session_.filmRunning());
    session_.startFilm();
}

void TFormMain::createMenus()
{
    QMenuBar* bar = menuBar();
    for (const MainMenuEntry& m : mainMenus()) {
        QMenu* menu = bar->addMenu(QString::fromLatin1(m.caption));
        for (const MainCommandEntry& entry : mainCommands()) {
            if (entry.menu != m.menu) continue;
            if (entry.separatorBefore) menu->addSeparator();
            QAction* a = action(entry.command);
            menu->addAction(a);
            if (entry.defaultEntry) menu->setDefaultAction(a);
        }
    }
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

void TFormMain::createButtonBar()
{
    PanelButtonBar = new QWidget(this);
    PanelButtonBar->setObjectName(QStringLiteral("PanelButtonBar"));
    PanelButtonBar->setFixedHeight(ButtonBarLayout().height);
    PanelButtonBar->setAutoFillBackground(true);
    QPalette p = PanelButtonBar->palette();
    p.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    PanelButtonBar->setPalette(p);
    for (const MainCommandEntry& entry : mainCommands()) {
        if (entry.barRow < 0) continue;
        QAction* a = action(entry.command);
        auto* b = new QToolButton(PanelButtonBar);
        b->setObjectName(a->objectName());
        a->setIcon(glyphIcon(QString::fromUtf8(entry.glyph)));
        a->setIconVisibleInMenu(false);
        b->setDefaultAction(a);
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setAutoRaise(false);
        // A button without a hint shows none (not even its menu caption).
        if (!entry.hint) b->installEventFilter(this);
        buttons_[static_cast<std::size_t>(entry.command)] = b;
    }
    layoutButtonBar();
}

void TFormMain::layoutButtonBar()
{
    const ButtonBarLayout layout = buttonBarLayout(PanelButtonBar->width());
    PanelButtonBar->setFixedHeight(layout.height);
    for (const MainCommandEntry& entry : mainCommands()) {
        QToolButton* b = barButton(entry.command);
        if (!b) continue;
        if (entry.barRow == 0)
            b->setGeometry(entry.barLeft, firstRowTop, barButtonSize, barButtonSize);
        else
            b->setGeometry(entry.barLeft + layout.secondRowShift, layout.secondRowTop, barButtonSize, barButtonSize);
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
    for (std::size_t i = 0; i < toggleCount; ++i) c.toggles[i] = toggleAction(static_cast<ToggleIndex>(i))->isChecked();
    if (t == tgPlanetSize || t == tgBattleSize) turnRead();
    repaintMap();
}

void TFormMain::applyZoom(int zoom)
{
    const ZoomButtons states = SetZoom(session_.view(), std::clamp(zoom, minimumZoom, maximumZoom));
    action(MainCommand::ZoomIn)->setEnabled(states.zoomIn);
    action(MainCommand::ZoomOnMouse)->setEnabled(states.zoomInOnMouse);
    action(MainCommand::ZoomOut)->setEnabled(states.zoomOut);
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
    applyZoom(session_.view().zoomfactor);
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
    for (std::size_t i = 0; i < toggleCount; ++i) display.toggles[i] = toggleAction(static_cast<ToggleIndex>(i))->isChecked();
    if (mapHighlight) display.highlight = mapHighlight();
    return display;
}

void TFormMain::paintMap(QImage& image, QPoint origin)
{
    const Game& g = session_.game();
    if (session_.view().zoomfactor < minimumZoom || g.mapwidth <= 0) return;
    const MapScroll scroll = scrollState();
    canvas_ = std::make_unique<MapCanvas>(visibleCanvasArea(scroll), &PaintBoxMap->canvasCache());
    MapRenderer(g, session_.view(), mapDisplay(), scroll).paint(*canvas_);
    QPainter p(&image);
    p.drawImage(canvas_->area().topLeft() - origin, canvas_->image());
}

void TFormMain::mapPressed(QPoint pixel)
{
    // The press happens where the mouse is; the position labels show that place.
    mapMoved(pixel);
    Game& g = session_.game();
    ViewState& view = session_.view();
    QAction* zoomMode = action(MainCommand::ZoomOnMouse);
    std::optional<PressResult> pressed;
    if (zoomMode->isChecked() && zoomMode->isEnabled()) {
        // Zoom mode zooms instead of selecting; what follows a selection still follows.
        MapScroll scroll = scrollState();
        if (zoomOnMousePosition(view, g, scroll, pixel.x(), pixel.y())) {
            applyZoom(view.zoomfactor);
            applyScroll(scroll);
            repaintMap();
        }
    } else {
        const bool black = !canvas_ || !canvas_->area().contains(pixel) || canvas_->isBlack(pixel.x(), pixel.y());
        pressed = mapPress(g, view, session_.planetSizesShown(), pixel.x(), pixel.y(), black);
        for (const PanelRequest& r : pressed->panels) ShowPlanetPanel(r.what, r.planet, r.name, r.x, r.y);
        repaintMap();
        if (!pressed->panels.empty() && shipDesignRecompute) shipDesignRecompute();
    }
    // The windows that take a map position from a press (the scan area, the planet view waiting
    // for a planet) see every press, also one that zoomed.
    for (const auto& followUp : pressFollowUps_) followUp(pressed ? &*pressed : nullptr);
}

void TFormMain::addPressFollowUp(PressFollowUp followUp) { pressFollowUps_.push_back(std::move(followUp)); }

std::pair<QString, QString> TFormMain::mousePositionTexts() const
{
    return {LabelMouseX->text().mid(2), LabelMouseY->text().mid(2)};
}

void TFormMain::shipDesignerRefresh()
{
    if (shipDesignTechnologies) shipDesignTechnologies();
}

void TFormMain::mapMoved(QPoint pixel)
{
    const auto texts = mapMouseMove(session_.game(), session_.view(), pixel.x(), pixel.y());
    if (!texts) return;
    LabelMouseX->setText(fromGame(texts->x));
    LabelMouseY->setText(fromGame(texts->y));
    LabelMouseDTO->setText(fromGame(texts->dto));
}

void TFormMain::ShowPlanetPanel(PanelShows what, const planetrecord* planet, const std::string& name, double x,
                                double y)
{
    const PlanetPanelTexts t = planetPanelTexts(session_.game(), what, planet, name, x, y);
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
    // The rows are other groups now: no command may act on a group chosen before.
    StringGridGroups->clearSelection();
    StringGridGroups->setCurrentIndex(QModelIndex());
    ImageYellowMarker->setVisible(groups.hasGroups);
}

void TFormMain::SelectPlanet(const QString& text)
{
    const planetrecord* p = orrery::SelectPlanet(session_.game(), session_.view(), toGame(text));
    if (!p) return;
    repaintMap();
    ShowPlanetPanel(PanelShows::Planet, p, p->name.str(), p->x, p->y);
    if (shipDesignRecompute) shipDesignRecompute();
}

// ------------------------------------------------------------------------------------------
// What the session asks.

bool TFormMain::message(MessageKind kind, const std::string& text, HelpTopic help)
{
    if (quiet_) {
        if (kind == MessageKind::Error) qWarning("%s", text.c_str());
        return true;
    }
    return boxes_->show(this, kind, fromGame(text), help);
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
    if (session_.view().zoomfactor > 0) applyZoom(session_.view().zoomfactor);
}

void TFormMain::mapResized(bool restoreScroll)
{
    const Game& g = session_.game();
    ViewState& v = session_.view();
    if (g.mapwidth <= 0 || g.mapheight <= 0) return;
    MapScroll scroll = scrollState();
    if (restoreScroll) {
        // A start keeps the zoom it has: a stale saved zoom is for "Zoom to saved position" only.
        scrollToSavedPosition(v, g, scroll);
    } else {
        if (v.zoomfactor < minimumZoom) {
            if (const auto fit = fitToWidthZoom(scroll.h.viewport, g.mapwidth)) v.zoomfactor = *fit;
        }
        setCanvasSize(scroll, g, v.zoomfactor);
        resizeViewport(scroll);
    }
    applyZoom(v.zoomfactor);
    applyScroll(scroll);
    repaintMap();
}

void TFormMain::zoomToSavedPosition()
{
    const Game& g = session_.game();
    ViewState& v = session_.view();
    if (g.mapwidth <= 0 || g.mapheight <= 0) return;
    MapScroll scroll = scrollState();
    orrery::zoomToSavedPosition(v, g, scroll);
    applyZoom(v.zoomfactor);
    applyScroll(scroll);
    repaintMap();
}

void TFormMain::repaintMap() { PaintBoxMap->viewport()->update(); }

void TFormMain::stepCommandsChanged(const StepState& steps)
{
    action(MainCommand::PreviousReport)->setEnabled(steps.previous);
    action(MainCommand::TenReportsBack)->setEnabled(steps.tenBack);
    action(MainCommand::NextReport)->setEnabled(steps.next);
    action(MainCommand::TenReportsFurther)->setEnabled(steps.tenFurther);
}

void TFormMain::showPanelForLabel(const std::string& label)
{
    if (label.empty()) {
        ShowPlanetPanel(PanelShows::Nothing, nullptr, std::string(), unknownposition, unknownposition);
        return;
    }
    const planetrecord* p = findPlanet(session_.game().turn, label);
    ShowPlanetPanel(PanelShows::Planet, p, label, unknownposition, unknownposition);
}

void TFormMain::refreshOpenViews(const std::string& planet)
{
    // In the order of OpenView: ship designer, races, planet view, your planets, news, battle
    // simulator, game options, turn overview, chart.
    for (const auto& hook : refreshHooks_)
        if (hook) hook(planet);
}

void TFormMain::enableCommand(MainCommand command, std::function<void()> run)
{
    QAction* a = action(command);
    a->setProperty("laterStep", false);
    a->setEnabled(true);
    connect(a, &QAction::triggered, this, [run = std::move(run)] { run(); });
}

void TFormMain::registerWindow(const QString& name, std::function<QWidget*()> open)
{
    namedWindows_[name] = std::move(open);
}

QWidget* TFormMain::openNamedWindow(const QString& name)
{
    const auto it = namedWindows_.find(name);
    return it == namedWindows_.end() ? nullptr : it->second();
}

QStringList TFormMain::windowNames() const
{
    QStringList names;
    for (const auto& entry : namedWindows_) names << entry.first;
    return names;
}

void TFormMain::setRefreshHook(OpenView view, std::function<void(const std::string&)> hook)
{
    refreshHooks_[static_cast<std::size_t>(view)] = std::move(hook);
}

void TFormMain::filmTimer(bool on, int interval)
{
    TimerFilm->setInterval(std::max(1, interval));
    if (on)
        TimerFilm->start();
    else
        TimerFilm->stop();
}

void TFormMain::filmButton(bool down) { action(MainCommand::Film)->setChecked(down); }

void TFormMain::reportLabelChanged(int turn)
{
    LabelName->setText(QString::fromStdString(Session::reportLabel(turn)));
    // Long loads run in one handler: the label is repainted at once to show the progress.
    LabelName->repaint();
}

void TFormMain::turnButtonsVisible(bool visible)
{
    for (MainCommand command : {MainCommand::TurnOverview, MainCommand::Chart}) {
        barButton(command)->setVisible(visible);
        action(command)->setVisible(visible);
    }
}

void TFormMain::turnRead()
{
    Game& g = session_.game();
    SetPlanetBattleSize(g, toggleAction(tgBattleSize)->isChecked());
    correctBecauseOfPlanetSizeButton(g, session_.view(), toggleAction(tgPlanetSize)->isChecked());
    const bool blind = session_.game().gametype == gtBlind;
    barButton(MainCommand::GameOptions)->setVisible(blind);
    action(MainCommand::GameOptions)->setVisible(blind);
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

bool TFormMain::createConfigurationFrom(const QString& report)
{
    std::string chosen = report.toLocal8Bit().toStdString();
    // A name without a turn number gets the session's own message.
    if (const Result<std::string> zero = turnZeroReportFor(chosen); zero) {
        chosen = *zero;
    } else if (splitReportPath(chosen).turn >= 0) {
        message(MessageKind::Error, zero.error().text(), HelpTopic::NewConfiguration);
        return false;
    }
    const bool ok = session_.createConfiguration(chosen);
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
    for (std::size_t i = 0; i < toggleCount; ++i) c.toggles[i] = toggleAction(static_cast<ToggleIndex>(i))->isChecked();
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
            if (v.savedzoom > 0) applyZoom(std::clamp(v.savedzoom, minimumZoom, maximumZoom));
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
            toggleAction(static_cast<ToggleIndex>(t))->setChecked(values.toggles[static_cast<std::size_t>(t)]);
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
    // Bar buttons without a hint (the filter is on them only) show no tool tip.
    if (event->type() == QEvent::ToolTip && qobject_cast<QToolButton*>(watched)) return true;
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
    // The session has shown what could not be written; the window closes all the same.
    static_cast<void>(session_.close());
    event->accept();
}

} // namespace orrery
