#include "converter/ui/main_window.h"

#include "common/qt/about_dialog.h"
#include "common/text_rules.h"
#include "converter/settings/command_state.h"
#include "converter/settings/window_layout.h"
#include "converter/table/node_status.h"
#include "converter/table/table_file.h"
#include "converter/table/view_plan.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/display_styles.h"
#include "converter/ui/file_commands.h"
#include "converter/ui/find_window.h"
#include "converter/ui/help_window.h"
#include "converter/ui/hint_window.h"
#include "converter/ui/main_actions.h"
#include "converter/ui/main_layout.h"
#include "converter/ui/memo_window.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/reference_window.h"
#include "converter/ui/topmost.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <stdexcept>

namespace quantora {
namespace {

constexpr std::string_view kToolbarSection = "Toolbar";

common::Notice startupFault(const std::string& marker) {
    return {
        common::NoticeIcon::Critical, std::string(kProductName) + " Error",
        "If you are using Windows 2000,\nplease email the following error code to Norvel Design: " + marker};
}

}  // namespace

QString defaultTableFolder() {
    const QString userDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(userDir);
    const QString copy = userDir + QStringLiteral("/DEFAULT.DAT");
    // The bundled table is only ever read: a rebuild or an upgrade replaces
    // it, and the user's own table must survive both.
    if (!QFileInfo::exists(copy) &&
        QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/DEFAULT.DAT"), copy)) {
        QFile::setPermissions(copy,
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return userDir;
}

MainWindow::MainWindow(ConverterContext& context, const IconSet& icons, FileChooser& chooser, QWidget* parent)
    : QMainWindow(parent),
      m_context(context),
      m_icons(icons),
      m_area(new QWidget(this)),
      m_actions(*this, icons),
      m_boxes(context, *m_area, *statusBar(), icons),
      m_views(context, *this, *m_area, icons, m_actions, m_boxes),
      m_drags(
          context,
          {m_views, m_boxes, [this](int hint) { m_hint->showHint(hint); }, [this] { m_edits.closeMemo(); }},
          this),
      m_layout(context,
               {*m_area, m_views.tree(), m_views.list(), m_boxes.input(), m_boxes.output(), m_boxes.arrow()},
               [this](const QPoint& at) { m_commands.offerSwap(at); }),
      m_files(context, *this, chooser, m_views, m_boxes,
              {[this] { saveSettings(); }, [this] { setStayOnTop(*this, 0); }, [this] { restoreTopmost(); }}),
      m_edits(context, *this, {m_views, m_boxes, icons}, {[this] { restoreTopmost(); }}),
      m_calculator(context, *this, m_actions, m_boxes),
      m_commands(context, *this,
                 {m_actions, m_views, m_boxes, m_files, m_edits, *this, m_calculator, icons,
                  [this] { restoreTopmost(); }}),
      m_batch(context, *this, chooser, m_views, m_boxes),
      m_print(context, *this, {[this] { setStayOnTop(*this, 0); }, [this] { restoreTopmost(); }}),
      m_options(context, {*this, m_actions, m_views, m_boxes, chooser, [this] { applyToolsMenu(); },
                          [this] { setStayOnTop(*this, 0); }, [this] { restoreTopmost(); },
                          [this](int topic) { showHelpTopic(topic); }}),
      m_hint(new HintWindow(context, icons,
                            {[this] { setStayOnTop(*this, 0); }, [this] { restoreTopmost(); }}, this)) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kCaptionTitle));
    setWindowIcon(m_icons.application());
    setMinimumSize(layout::kMinWindowWidth, layout::kMinWindowHeight);
    m_area->setObjectName(QStringLiteral("picMain"));
    setCentralWidget(m_area);
    measureScreen();
    connect(&m_boxes, &ConversionBoxes::decimalSepHintWanted, m_hint, [this] { m_hint->showHint(5); });
    connect(&m_views, &QuantityViews::batchUnitPicked, &m_batch, &BatchCommands::run);
    connect(m_actions.printPreview(), &QAction::triggered, &m_print, &PrintCommands::preview);
}

void MainWindow::fitFrame() {
    const QMargins margins = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize extra(margins.left() + margins.right(), margins.top() + margins.bottom());
    if (extra == m_frameExtra)
        return;
    const QSize outer = size() + m_frameExtra;
    m_frameExtra = extra;
    setMinimumSize(QSize(layout::kMinWindowWidth, layout::kMinWindowHeight) - extra);
    if (windowState() != Qt::WindowNoState)
        return;
    const QPoint frameAt = frameGeometry().topLeft();
    resize(outer - extra);
    if (frameGeometry().topLeft() != frameAt)
        move(frameAt);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // Most window managers add the frame only after the window is mapped.
    QTimer::singleShot(0, this, &MainWindow::fitFrame);
}

void MainWindow::measureScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    m_context.twipsPerPixelX = static_cast<float>(1440.0 / screen->logicalDotsPerInchX());
    m_context.twipsPerPixelY = static_cast<float>(1440.0 / screen->logicalDotsPerInchY());
}

void MainWindow::start() {
    std::string marker;
    try {
        runStartup(marker);
    } catch (const std::exception&) {
        m_context.messages.present(this, startupFault(marker));
    }
}

void MainWindow::runStartup(std::string& marker) {
    ConverterContext& c = m_context;
    ConverterSettings& s = c.settings;
    auto step = [&marker](const char* next) { marker = next; };

    step("QR03E101");
    c.table.changed = false;
    step("QR03E102");
    c.helpFile = QCoreApplication::applicationDirPath() + QStringLiteral("/Quantora.hlp");
    step("QR03E103");
    common::Outcome<ConverterSettings> read = readConverterSettings(c.store);
    c.messages.presentAll(this, read.notices());
    s = read.take();
    step("QR03E104");
    step("QR03E105");
    c.decimalSeparator = common::detectDecimalSeparator(
        QLocale::system().toString(1.23, 'f', 2).toStdString(), c.decimalSeparator);
    step("QR03E106");
    setStayOnTop(*this, s.stayTop);
    step("QR03E107");
    c.table.filePath = s.saveFilePath;
    c.table.title = tableTitleOf(c.table.filePath);
    step("QR03E108");
    c.tableDirectory =
        QString::fromStdString(tableDirectoryOf(c.table.filePath, c.tableFolder.toStdString()));
    step("QR03E110");
    step("QR03E111");
    applyFonts(s, {m_views.tree(), m_views.list(), m_boxes.input(), m_boxes.output(), *statusBar()});
    step("QR03E113");
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->geometry().size() : QSize(1024, 768);
    // A stored size larger than all the screens together is no size a window can use.
    const QSize desktop = screen ? screen->availableVirtualGeometry().size() : screenSize;
    resize(std::min(c.toPixelsX(s.window.width), desktop.width()) - m_frameExtra.width(),
           std::min(c.toPixelsY(s.window.height), desktop.height()) - m_frameExtra.height());
    step("QR03E114");
    const layout::Point position =
        layout::windowPosition(layout::positionSaved(s.window.left, s.window.top),
                               {c.toPixelsX(s.window.left), c.toPixelsY(s.window.top)}, width(), height(),
                               screenSize.width(), screenSize.height());
    move(position.x, position.y);
    step("QR03E117");
    if (s.showToolbar == 1)
        m_actions.toolbar()->show();
    if (s.showToolbar == 0)
        m_actions.toolbar()->hide();
    if (s.showMenubar == 1)
        menuBar()->show();
    if (s.showMenubar == 0)
        menuBar()->hide();
    step("QR03E118");
    m_actions.toolbar()->setMovable(s.customizeToolbar);
    step("QR03E125");
    if (s.state == 1) {
        showMinimized();
    } else if (s.state == 2) {
        showMaximized();
    } else {
        step("QR03E126");
        show();
    }
    step("QR03E127");
    if (s.customizeToolbar) {
        const std::string saved = c.store.read(kConverterApp, kToolbarSection, kConverterApp, "");
        if (!saved.empty())
            restoreState(QByteArray::fromBase64(QByteArray::fromStdString(saved)));
        // The signals come while the toolbar is still moving: save once it is placed.
        const auto saveLater = [this] { QTimer::singleShot(0, this, &MainWindow::saveToolbarArrangement); };
        connect(m_actions.toolbar(), &QToolBar::topLevelChanged, this, saveLater);
        connect(m_actions.toolbar(), &QToolBar::orientationChanged, this, saveLater);
    }
    step("QR03E133");
    if (const std::optional<ViewStyle> style = viewStyleOf(s.view))
        m_actions.setViewStyle(*style);
    step("QR03E136");
    m_actions.setSortMarks(s.sortGroup, s.sortUnit);
    step("QR03E143");
    applyToolsMenu();
    step("QR03E144");
    m_boxes.setPanel(1, QStringLiteral(" From"));
    m_boxes.setPanel(3, QStringLiteral(" Into"));
    step("QR03E145");
    m_views.setMainCaption();
    step("QR03E148");
    loadTable();
    step("QR03E149");
    c.session.restore(s.selNodeIndex);
    step("QR03E150");
    m_views.setListMode();
    step("QR03E153");
    if (c.loadFailed) {
        m_commands.startRefresh();
        return;
    }
    step("QR03E155");
    m_views.updateTreeView();
    step("QR03E156");
    m_views.showSavedSelection();
    step("QR03E167");
    if (const std::optional<ViewStyle> style = viewStyleOf(s.view))
        m_views.setViewStyle(*style);
    step("QR03E169");
    m_views.list().setGridLines(s.showGridLines == 1);
    step("QR03E171");
    m_commands.startRefresh();
}

void MainWindow::loadTable() {
    ConverterContext& c = m_context;
    common::Outcome<ConversionTable> read = readTable(
        c.table.filePath, c.settings.limits, c.tableFolder.toStdString(), c.twipsPerPixelX, c.twipsPerPixelY);
    c.messages.presentAll(this, read.notices());
    c.loadFailed = !read;
    if (read) {
        c.table = read.take();
    } else {
        // A table that failed to load is not shown; its path stays for the title.
        std::string path = std::move(c.table.filePath);
        c.table = ConversionTable(c.settings.limits);
        c.table.filePath = std::move(path);
    }
    c.table.title = tableTitleOf(c.table.filePath);
    c.table.changed = false;
}

void MainWindow::applyToolsMenu() {
    const ToolsMenuState tools = setToolsMenu(m_context.settings.calcType, m_context.settings.calcPath);
    m_actions.item(ToolsItem::RunCalculator)->setVisible(tools.runCalculatorVisible);
    QAction* second = m_actions.item(ToolsItem::RunProgram);
    second->setVisible(tools.secondItemVisible);
    if (tools.secondItemCaption)
        second->setText(QString::fromStdString(*tools.secondItemCaption));
    QAction* calc = m_actions.button(QStringLiteral("Calc"));
    m_actions.setAvailable(calc, tools.calcButtonEnabled);
    if (tools.calcButtonToolTip)
        calc->setToolTip(QString::fromStdString(*tools.calcButtonToolTip));
}

void MainWindow::saveToolbarArrangement() {
    m_context.store.write(kConverterApp, kToolbarSection, kConverterApp,
                          saveState().toBase64().toStdString());
    m_context.store.sync();
}

void MainWindow::setViewStyle(ViewStyle view) {
    m_context.settings.view = static_cast<std::int16_t>(view);
    m_actions.setViewStyle(view);
    m_views.setViewStyle(view);
}

void MainWindow::showHelpTopics() {
    showHelpTopic(0);
}

void MainWindow::showHelpTopic(int topic) {
    if (!m_help)
        m_help = new HelpWindow(this);
    if (!m_help->showTopic(m_context.helpFile, topic))
        m_context.messages.present(this, helpFileMissing(m_context.helpFile));
}

void MainWindow::showAbout() {
    setStayOnTop(*this, 0);
    auto* about = new common::AboutDialog(
        m_icons.application(), QString::fromLatin1(kProductName),
        QStringLiteral("Converts values between units, with the error they carry, and between number "
                       "systems, from a conversion table you can edit."),
        this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    connect(about, &QDialog::finished, this, &MainWindow::restoreTopmost);
    about->open();
}

void MainWindow::exitProgram() {
    close();
}

void MainWindow::restoreTopmost() {
    // An open find window stays above the main window; otherwise StayTop holds.
    QWidget* find = m_commands.findWindow();
    if (find && find->isVisible()) {
        setStayOnTop(*this, 0);
        setStayOnTop(*find, 1);
    } else {
        setStayOnTop(*this, m_context.settings.stayTop);
    }
    // The open windows in their order, each taking the topmost state.
    for (QWidget* open :
         {static_cast<QWidget*>(m_hint->isOpen() ? m_hint : nullptr),
          static_cast<QWidget*>(m_edits.memoWindow()), static_cast<QWidget*>(m_commands.referenceWindow())}) {
        if (!open || !open->isVisible())
            continue;
        setStayOnTop(*this, 0);
        setStayOnTop(*open, 1);
    }
}

void MainWindow::saveSettings() {
    ConverterContext& c = m_context;
    c.settings.saveFilePath = c.table.filePath;
    c.settings.selNodeIndex = normalisedSelNodeIndex(c.session.selection().node, c.table);
    const std::int16_t state = isMinimized() ? 1 : (isMaximized() ? 2 : 0);
    const QRect outer = frameGeometry();
    const WindowGeometry normal{c.toTwipsX(outer.x()), c.toTwipsY(outer.y()), c.toTwipsX(outer.width()),
                                c.toTwipsY(outer.height())};
    recordWindowState(c.settings, static_cast<int>(m_views.listMode()), m_views.liveColumnWidths(), state,
                      normal);
    // A store that cannot keep the settings says so; its old file stays.
    c.messages.presentAll(this, saveConverterSettings(c.store, c.settings).notices());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    ConverterContext& c = m_context;
    // The quick reference and the find window keep their places in the
    // settings, an open memo hands its text over before the question about
    // changes. Closed first: each restores the on-top states, undone next.
    for (QWidget* open : {static_cast<QWidget*>(m_commands.referenceWindow()),
                          static_cast<QWidget*>(m_commands.findWindow())}) {
        if (open)
            open->close();
    }
    m_edits.closeMemo();
    setStayOnTop(*this, 0);
    if (!c.loadFailed)
        preserveTreeNodeStatus(c.table, m_views.expandedQuery());
    if (c.loadFailed) {
        event->accept();
        return;
    }
    if (c.table.changed) {
        const SavePrompt answer = m_files.askSaveChanges();
        if (answer == SavePrompt::Cancel || answer == SavePrompt::YesCancel) {
            event->ignore();
            setStayOnTop(*this, c.settings.stayTop);
            return;
        }
    }
    m_commands.spyTimer().stop();
    saveSettings();
    if (c.settings.customizeToolbar)
        saveToolbarArrangement();
    c.messages.presentAll(this, saveNodeStatus(c.table, m_views.expandedQuery()).notices());
    if (m_hint->isOpen())
        m_hint->close();
    if (m_help)
        m_help->close();
    event->accept();
}

}  // namespace quantora
