#include "converter/ui/options_command.h"

#include "converter/table/node_status.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/display_styles.h"
#include "converter/ui/main_actions.h"
#include "converter/ui/options_dialog.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/unit_list_view.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QTreeWidget>

namespace quantora {

OptionsCommand::OptionsCommand(ConverterContext& context, Parts parts)
    : m_context(context), m_parts(std::move(parts)) {}

void OptionsCommand::open() {
    if (m_dialog)
        return;
    if (m_parts.removeTopmost)
        m_parts.removeTopmost();
    const QFont textFont = elementFont(m_context.settings, static_cast<int>(FontElement::DialogText));
    m_dialog = new OptionsDialog(
        m_context.settings,
        {m_context.messages, m_parts.files, *m_colors, m_context.decimalSeparator, textFont},
        &m_parts.window);
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &OptionsDialog::calculatorLinkChosen, this, &OptionsCommand::enableCalculatorLink);
    connect(m_dialog, &OptionsDialog::helpWanted, this, [this](int topic) {
        if (m_parts.showHelp)
            m_parts.showHelp(topic);
    });
    connect(m_dialog, &QDialog::accepted, this, [this] {
        if (m_dialog && m_dialog->applied())
            apply(*m_dialog->applied());
    });
    connect(m_dialog, &QDialog::finished, this, [this] {
        m_dialog = nullptr;
        if (m_parts.restoreTopmost)
            m_parts.restoreTopmost();
    });
    m_dialog->open();
}

void OptionsCommand::enableCalculatorLink(bool available) {
    MainActions& actions = m_parts.actions;
    for (QAction* action :
         {actions.item(EditItem::GetCalculation), actions.item(EditItem::SendToCalculator),
          actions.button(QStringLiteral("CopyCalc")), actions.button(QStringLiteral("PasteCalc"))}) {
        actions.setAvailable(action, available);
    }
}

void OptionsCommand::apply(const OptionsApplied& applied) {
    ConverterContext& c = m_context;
    const ConverterSettings& s = c.settings;
    QuantityViews& views = m_parts.views;
    ConversionBoxes& boxes = m_parts.boxes;
    applyFonts(s, {views.tree(), views.list(), boxes.input(), boxes.output(), *m_parts.window.statusBar()});
    if (applied.barsChanged) {
        m_parts.actions.toolbar()->setVisible(s.showToolbar == 1);
        m_parts.window.menuBar()->setVisible(s.showMenubar == 1);
    }
    if (m_parts.applyToolsMenu)
        m_parts.applyToolsMenu();
    if (!c.loadFailed) {
        // The tree is built anew from the table: its expanded nodes go there first.
        preserveTreeNodeStatus(c.table, views.expandedQuery());
        views.updateTreeView();
        views.selectNode(c.session.selection().node);
        views.updateListView(c.session.selection().quantityName);
    }
    if (applied.gridChanged)
        views.list().setGridLines(s.showGridLines == 1);
    if (c.session.unitsChosen())
        boxes.runConversion();
}

}  // namespace quantora
