#include "calculator/ui/calc_window.h"

#include "calculator/eval/result_notation.h"
#include "calculator/ui/area_styles.h"
#include "calculator/ui/calc_font_dialog.h"
#include "calculator/ui/calc_help_window.h"
#include "calculator/ui/calc_icons.h"
#include "calculator/ui/calc_menus.h"
#include "calculator/ui/custom_functions_dialog.h"
#include "calculator/ui/history_list.h"
#include "calculator/ui/stay_on_top.h"
#include "common/qt/about_dialog.h"
#include "common/text_rules.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace tallix {

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QRect rectOf(const Box& b) {
    return QRect(b.x, b.y, b.width, b.height);
}

constexpr int kWatchInterval = 100;

}  // namespace

CalcWindow::CalcWindow(CalcContext& context, const CalcIcons& icons, ColorChooser& colors)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      m_context(context),
      m_icons(icons),
      m_colors(colors),
      m_base(new CalcBase(this)),
      m_title(*m_base, icons.titleIcon(qApp->devicePixelRatio())),
      m_menus(new CalcMenus(*this)),
      m_historyList(new HistoryList(*this)),
      m_watch(new QTimer(this)) {
    setObjectName(QStringLiteral("frmCalc"));
    setWindowIcon(icons.application());
    buildControls();
    connectParts();
    m_watch->setObjectName(QStringLiteral("tmrWatch"));
    m_watch->setInterval(kWatchInterval);
}

void CalcWindow::buildControls() {
    m_input = new QLineEdit(m_base);
    m_input->setObjectName(QStringLiteral("txtInput"));
    m_input->setAccessibleName(QStringLiteral("Expression"));
    m_input->setAccessibleDescription(QStringLiteral("Type an expression and press Enter to evaluate it"));
    m_evaluate = new QToolButton(m_base);
    m_evaluate->setObjectName(QStringLiteral("cmdExecCalc"));
    m_evaluate->setText(QStringLiteral("="));
    m_evaluate->setAccessibleName(QStringLiteral("Evaluate"));
    m_evaluate->setContextMenuPolicy(Qt::CustomContextMenu);
    m_evaluate->setFocusPolicy(Qt::NoFocus);
    m_result = new QLineEdit(m_base);
    m_result->setObjectName(QStringLiteral("txtCalcResult"));
    m_result->setAccessibleName(QStringLiteral("Result"));
    m_result->setReadOnly(true);
    m_result->setFrame(false);
    m_result->installEventFilter(this);
    m_send = new QToolButton(m_base);
    m_send->setObjectName(QStringLiteral("cmdReplace"));
    m_send->setAccessibleName(QStringLiteral("Send the result into the expression"));
    m_send->setIcon(m_icons.send(qApp->devicePixelRatio()));
    m_send->setFocusPolicy(Qt::NoFocus);
    m_history = new QToolButton(m_base);
    m_history->setObjectName(QStringLiteral("cmdComboList"));
    m_history->setAccessibleName(QStringLiteral("History"));
    m_history->setAccessibleDescription(QStringLiteral("The last twelve expressions (Alt+L)"));
    m_history->setArrowType(Qt::DownArrow);
    m_history->setFocusPolicy(Qt::NoFocus);
    m_source = new QLineEdit(m_base);
    m_source->setObjectName(QStringLiteral("txtSource"));
    m_source->setAccessibleName(QStringLiteral("Value from the converter"));
    m_source->hide();
    m_measureInput = new QLabel(m_base);
    m_measureInput->setObjectName(QStringLiteral("lblDummy"));
    m_measureInput->hide();
    m_measureResult = new QLabel(m_base);
    m_measureResult->setObjectName(QStringLiteral("lblDummy1"));
    m_measureResult->hide();
}

void CalcWindow::connectParts() {
    connect(m_input, &QLineEdit::returnPressed, this, &CalcWindow::execCalc);
    connect(m_input, &QLineEdit::textChanged, this, &CalcWindow::relayout);
    connect(m_evaluate, &QToolButton::clicked, this, &CalcWindow::execCalc);
    connect(m_evaluate, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { popupMenu(m_evaluate->mapToGlobal(at)); });
    connect(m_result, &QLineEdit::textChanged, this, [this](const QString& text) {
        // The converter reads the latest result from the store.
        publishResult(m_context.store, text.toStdString());
        relayout();
    });
    connect(m_send, &QToolButton::clicked, this, &CalcWindow::sendResult);
    connect(m_history, &QToolButton::clicked, this, &CalcWindow::popupHistory);
    connect(m_source, &QLineEdit::textChanged, this, &CalcWindow::receiveLinkText);

    connect(m_base, &CalcBase::pressed, m_input, qOverload<>(&QWidget::setFocus));
    connect(m_base, &CalcBase::menuRequested, this, &CalcWindow::popupMenu);
    connect(&m_title.minimise(), &GlyphButton::clicked, this, &CalcWindow::minimise);
    connect(&m_title.exit(), &GlyphButton::clicked, this, &QWidget::close);

    connect(m_menus, &CalcMenus::itemChosen, this, &CalcWindow::chooseItem);
    connect(m_menus, &CalcMenus::digitsChosen, this, [this](int index) {
        m_context.calculator.selectDigits(index);
        rerun();
    });
    connect(m_menus, &CalcMenus::notationChosen, this, [this](NotationItem item) {
        m_context.calculator.selectNotation(static_cast<int>(item));
        rerun();
    });
    connect(m_menus, &CalcMenus::trigChosen, this, [this](TrigItem item) {
        m_context.calculator.selectTrig(static_cast<int>(item));
        const QString title = qt(m_context.calculator.title());
        m_title.setTitle(title);
        setWindowTitle(title);
        relayout();
        rerun();
    });
    connect(m_menus, &CalcMenus::colorChosen, this, &CalcWindow::openFonts);
    connect(&m_menus->paster(), &FunctionPaster::chosen, this, &CalcWindow::insertIntoInput);
    connect(m_historyList, &HistoryList::picked, this, &CalcWindow::pickHistory);
    connect(m_watch, &QTimer::timeout, this, &CalcWindow::watch);

    auto* menuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_M), this);
    menuKey->setContext(Qt::WindowShortcut);
    connect(menuKey, &QShortcut::activated, this, [this] {
        popupMenu(m_base->mapToGlobal(QPoint(m_layout.icon.x, m_layout.titleStrip.bottom())));
    });
    auto* listKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_L), this);
    listKey->setContext(Qt::WindowShortcut);
    connect(listKey, &QShortcut::activated, this, &CalcWindow::popupHistory);
}

void CalcWindow::start() {
    const Calculator& c = m_context.calculator;
    showOptions();
    setToolTips();
    applyStyles();
    const QString title = qt(c.title());
    m_title.setTitle(title);
    setWindowTitle(title);
    m_input->setText(qt(c.settings().input));
    setStayOnTop(*this, c.settings().options.stayTop == 1);
    relayout();
    placeAtSavedPosition();
    show();
    m_input->setFocus();
    m_input->end(false);
    m_watch->start();
}

void CalcWindow::placeAtSavedPosition() {
    QPoint at = m_context.savedPosition();
    // A position saved on a screen that is gone would hide the window for good.
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && !screen->availableVirtualGeometry().intersects(QRect(at, size()))) {
        at = QPoint(twipsToPixels(CalculatorSettings{}.calcLeft, m_context.twipsPerPixelX),
                    twipsToPixels(CalculatorSettings{}.calcTop, m_context.twipsPerPixelY));
    }
    move(at);
}

void CalcWindow::showOptions() {
    m_menus->showOptions(m_context.calculator.settings().options);
    m_menus->setClearEnabled(m_context.calculator.clearEnabled());
}

void CalcWindow::setToolTips() {
    const bool on = m_context.calculator.settings().options.toolTip == 1;
    const auto tip = [on](const char* text) { return on ? QString::fromLatin1(text) : QString(); };
    m_input->setToolTip(tip("Enter a math expression here."));
    m_history->setToolTip(tip("Show the evaluation history"));
    m_evaluate->setToolTip(tip("Evaluate the expression"));
    m_send->setToolTip(tip("Send the result to the Expression Input box"));
    m_title.setToolTips(on);
}

void CalcWindow::applyStyles() {
    const CalculatorSettings& s = m_context.calculator.settings();
    applyBoxStyle(*m_input, s.area(6));
    m_measureInput->setFont(m_input->font());
    // The button's "=" reads as part of the expression.
    m_evaluate->setFont(m_input->font());
    applyBoxStyle(*m_result, s.area(7));
    m_measureResult->setFont(m_result->font());
    m_context.buttonColors = titleGlyphColors(s.area(8), QApplication::palette(this));
    m_title.setStyle(s.area(8), m_context.buttonColors);
    relayout();
}

void CalcWindow::relayout() {
    LayoutMeasures m;
    m.inputTextWidth =
        m_measureInput->fontMetrics().horizontalAdvance(m_input->text() + QStringLiteral("  "));
    m.resultTextWidth =
        m_measureResult->fontMetrics().horizontalAdvance(m_result->text() + QStringLiteral("   "));
    m.boxHeight = std::max(m_input->sizeHint().height(), m_result->sizeHint().height() + 4);
    m.titleTextHeight = QFontMetrics(areaFont(m_context.calculator.settings().area(8))).height();
    m.titleTextWidth = m_title.titleTextWidth();
    if (const QScreen* s = screen())
        m.maxWidth = s->availableGeometry().width();
    m_layout = calcLayout(m);
    const CalcLayout& l = m_layout;

    setFixedSize(l.width, l.height);
    m_base->setGeometry(0, 0, l.width, l.height);
    m_title.place(l);
    m_input->setGeometry(rectOf(l.input));
    // The input's text stops before the evaluate button and the result box.
    m_input->setTextMargins(0, 0, l.input.right() - (l.input.x + l.inputTextWidth), 0);
    m_evaluate->setGeometry(rectOf(l.evaluate));
    m_result->setGeometry(rectOf(l.result));
    m_send->setGeometry(rectOf(l.send));
    m_history->setGeometry(rectOf(l.history));
    m_evaluate->raise();
    m_result->raise();
}

void CalcWindow::execCalc() {
    showOutcome(m_context.calculator.run(m_input->text().toStdString()));
}

void CalcWindow::rerun() {
    showOptions();
    execCalc();
}

void CalcWindow::showOutcome(const CycleOutcome& outcome) {
    switch (outcome.kind) {
        case CycleOutcome::Kind::Ignored:
            return;
        case CycleOutcome::Kind::Cleared:
            m_result->clear();
            m_input->setFocus();
            break;
        case CycleOutcome::Kind::Number:
            m_result->setText(qt(outcome.resultText));
            relayout();
            m_input->setFocus();
            m_input->end(false);
            break;
        case CycleOutcome::Kind::Message:
            m_result->setText(qt(outcome.resultText));
            break;
        case CycleOutcome::Kind::Escaped:
            m_result->clear();
            break;
    }
    m_menus->setClearEnabled(m_context.calculator.clearEnabled());
}

void CalcWindow::pickHistory(int index) {
    if (m_context.calculator.dialogOpen() > 0)
        return;
    m_input->setText(qt(m_context.calculator.pickFromHistory(index)));
    showOutcome(m_context.calculator.runFromHistory(index));
}

void CalcWindow::chooseItem(CalcItem item) {
    Calculator& c = m_context.calculator;
    switch (item) {
        case CalcItem::Minimize:
            minimise();
            break;
        case CalcItem::StayTop:
            c.toggleStayTop();
            setStayOnTop(*this, c.settings().options.stayTop == 1);
            showOptions();
            break;
        case CalcItem::Clear:
            c.clearHistory();
            showOptions();
            break;
        case CalcItem::Custom:
            openCustomFunctions();
            break;
        case CalcItem::Help:
            showHelp(HelpTopic::Contents);
            break;
        case CalcItem::ToolTip:
            c.toggleToolTip();
            setToolTips();
            showOptions();
            break;
        case CalcItem::About:
            showAbout();
            break;
        case CalcItem::Exit:
            close();
            break;
    }
}

void CalcWindow::insertIntoInput(const QString& text) {
    const QString current = m_input->text();
    const qsizetype start =
        m_input->hasSelectedText() ? m_input->selectionStart() : m_input->cursorPosition();
    const qsizetype length = m_input->hasSelectedText() ? m_input->selectionLength() : 0;
    // The core counts bytes of UTF-8 text; the box counts UTF-16 units.
    const std::string before = current.left(start).toStdString();
    const std::string selected = current.mid(start, length).toStdString();
    m_input->setText(
        qt(replaceSelection(current.toStdString(), before.size(), selected.size(), text.toStdString())));
    m_input->setFocus();
    m_input->end(false);
}

void CalcWindow::sendResult() {
    if (m_context.calculator.dialogOpen() > 0)
        return;
    const Calculator& c = m_context.calculator;
    if (const std::optional<std::string> text =
            sendResultText(m_result->text().toStdString(), c.decimalSeparator()))
        insertIntoInput(qt(*text));
}

void CalcWindow::receiveLinkText(const QString& text) {
    if (!text.isEmpty())
        insertIntoInput(qt(common::trimmed(text.toStdString())));
}

void CalcWindow::popupMenu(const QPoint& globalPos) {
    if (m_context.calculator.dialogOpen() > 0)
        return;
    m_menus->popup(globalPos);
}

void CalcWindow::popupHistory() {
    if (m_context.calculator.dialogOpen() > 0)
        return;
    // Under the input box, as wide as the row up to the history button.
    const QRect row = m_input->geometry().united(m_history->geometry());
    m_historyList->popup(m_base->mapToGlobal(row.bottomLeft() + QPoint(0, 1)), row.width(),
                         m_context.calculator.getHistory());
}

void CalcWindow::minimise() {
    showMinimized();
}

void CalcWindow::restore() {
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void CalcWindow::openDialog(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    m_context.calculator.dialogOpened();
    connect(dialog, &QDialog::finished, this, [this] {
        m_context.calculator.dialogClosed();
        activateWindow();
    });
    dialog->open();
}

void CalcWindow::openCustomFunctions() {
    auto* dialog =
        new CustomFunctionsDialog(m_context.calculator.settings().customFunctions, m_input->text(), this);
    connect(dialog, &QDialog::accepted, this, [this, dialog] {
        const CustomFunctionEditor::Accepted& accepted = dialog->accepted();
        m_context.calculator.settings().customFunctions = accepted.functions;
        if (accepted.input) {
            m_input->setText(qt(*accepted.input));
            m_input->end(false);
        }
    });
    connect(dialog, &CustomFunctionsDialog::helpRequested, this,
            [this] { showHelp(HelpTopic::CustomFunctions); });
    openDialog(dialog);
}

void CalcWindow::openFonts(ColorItem which) {
    const int area = kFirstArea + static_cast<int>(which);
    auto* dialog = new CalcFontDialog(which, m_context.calculator.settings().area(area), m_colors, this);
    connect(dialog, &QDialog::accepted, this, [this, dialog, area] {
        m_context.calculator.settings().area(area) = dialog->area();
        applyStyles();
    });
    connect(dialog, &CalcFontDialog::helpRequested, this, [this] { showHelp(HelpTopic::FontsAndColors); });
    openDialog(dialog);
}

void CalcWindow::showAbout() {
    auto* about = new common::AboutDialog(
        m_icons.application(), QStringLiteral("Tallix"),
        QStringLiteral("Evaluates typed mathematical expressions with 33 functions, named constants and "
                       "argument values, keeps your own functions and the last twelve expressions, and "
                       "exchanges values with Quantora 2000."),
        this, Qt::Dialog | Qt::WindowStaysOnTopHint);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}

void CalcWindow::showHelp(HelpTopic topic) {
    if (!m_help)
        m_help = new CalcHelpWindow(this);
    if (!m_help->showTopic(m_context.helpFile, static_cast<int>(topic))) {
        m_context.messages.present(
            this, {common::NoticeIcon::Exclamation, std::string(kApplication),
                   "The help file '" + m_context.helpFile.toStdString() + "' cannot be found."});
    }
}

void CalcWindow::watch() {
    if (!isMinimized() && pos().x() > 0)
        m_context.recordPosition(pos());
}

void CalcWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_input->setFocus();
    } else if (event->type() == QEvent::WindowStateChange) {
        if (isMinimized() && !m_minimised) {
            m_minimised = true;
            publishRun(m_context.store, false);
        } else if (!isMinimized() && m_minimised) {
            m_minimised = false;
            publishRun(m_context.store, true);
            move(m_context.savedPosition());
        }
    }
}

bool CalcWindow::eventFilter(QObject* watched, QEvent* event) {
    // Focus entering the result box selects all of it, so it can be copied at once.
    if (watched == m_result && event->type() == QEvent::FocusIn && !m_result->text().isEmpty())
        QTimer::singleShot(0, m_result, &QLineEdit::selectAll);
    return QWidget::eventFilter(watched, event);
}

void CalcWindow::closeEvent(QCloseEvent* event) {
    m_watch->stop();
    if (m_help)
        m_help->close();
    CalculatorSettings& s = m_context.calculator.settings();
    s.input = common::trimmed(m_input->text().toStdString());
    m_context.messages.presentAll(this, saveSettingsAtExit(m_context.store, s).notices());
    event->accept();
}

}  // namespace tallix
