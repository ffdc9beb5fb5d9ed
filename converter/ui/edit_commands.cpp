#include "converter/ui/edit_commands.h"

#include "converter/engine/reference_values.h"
#include "converter/settings/dimension_check.h"
#include "converter/table/view_plan.h"
#include "converter/ui/category_properties_dialog.h"
#include "converter/ui/constant_properties_dialog.h"
#include "converter/ui/conversion_boxes.h"
#include "converter/ui/dialog_parts.h"
#include "converter/ui/dimensions_dialog.h"
#include "converter/ui/display_styles.h"
#include "converter/ui/help_window.h"
#include "converter/ui/list_properties_dialog.h"
#include "converter/ui/memo_window.h"
#include "converter/ui/quantity_views.h"
#include "converter/ui/removal_dialog.h"
#include "converter/ui/rename_in_place.h"
#include "converter/ui/topmost.h"
#include "converter/ui/unit_list_view.h"
#include "converter/ui/unit_properties_dialog.h"

#include <QLineEdit>

namespace quantora {
namespace {

constexpr int kDialogTextElement = 6;  // the font of the dialogs' text boxes
constexpr int kCategoryHelp = 64;
constexpr int kQuantityHelp = 52;

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// The unit list layout a node's units are shown in: 2 number systems, 1 constants, 0 others.
std::size_t listLayoutOf(NodeKind kind) {
    if (kind == NodeKind::NumberSystem)
        return 2;
    return kind == NodeKind::Constants ? 1 : 0;
}

bool isQuantityKind(NodeKind kind) {
    return kind == NodeKind::NumberSystem || kind == NodeKind::Constants || kind == NodeKind::Quantity;
}

}  // namespace

EditCommands::EditCommands(ConverterContext& context, QWidget& window, Parts parts, Hooks hooks)
    : m_context(context), m_window(window), m_parts(parts), m_hooks(std::move(hooks)) {
    RenameInPlace& rename = parts.views.rename();
    connect(&rename, &RenameInPlace::nodeRenameStarted, this,
            [this](int) { m_renamedQuantity = m_context.session.selection().quantity; });
    connect(&rename, &RenameInPlace::nodeRenamed, this, &EditCommands::nodeRenamed);
    connect(&rename, &RenameInPlace::unitRenameStarted, this,
            [this](int) { m_renamedUnitQuantity = m_context.session.selection().quantity; });
    connect(&rename, &RenameInPlace::unitRenamed, this, &EditCommands::unitRenamed);
    connect(&parts.views, &QuantityViews::memoWanted, this, &EditCommands::showMemo);
}

void EditCommands::categoryCommand(CategoryItem item) {
    const ConversionTable& table = m_context.table;
    const int node = m_context.session.selection().node;
    const NodeKind kind = table.kindOf(node);
    if (kind != NodeKind::Root && kind != NodeKind::Category)
        return;
    switch (item) {
        case CategoryItem::Add: {
            const bool root = kind == NodeKind::Root;
            if (auto notice = limitNotice(table, root ? TableItemKind::Category : TableItemKind::Quantity)) {
                m_context.messages.present(&m_window, *notice);
                return;
            }
            if (root)
                openTreeItemDialog(TreeItemMode::NewCategory, {2, "New category (Rename it!)"});
            else
                openTreeItemDialog(TreeItemMode::AddQuantity, {1, "New quantity (Rename it!)"});
            break;
        }
        case CategoryItem::Delete:
            if (kind == NodeKind::Category)
                openRemoval(DeleteTarget::TreeNode);
            break;
        case CategoryItem::Properties:
            if (kind == NodeKind::Category) {
                const Category& category = table.category(node - 1);
                openTreeItemDialog(TreeItemMode::EditCategory, {category.icon, category.name});
            }
            break;
    }
}

void EditCommands::quantityCommand(QuantityItem item) {
    const ConversionTable& table = m_context.table;
    const Selection& selection = m_context.session.selection();
    const NodeKind kind = table.kindOf(selection.node);
    if (!isQuantityKind(kind))
        return;
    switch (item) {
        case QuantityItem::Insert:
            if (kind != NodeKind::Quantity)
                return;
            if (auto notice = limitNotice(table, TableItemKind::Quantity)) {
                m_context.messages.present(&m_window, *notice);
                return;
            }
            openTreeItemDialog(TreeItemMode::InsertQuantity, {1, "New quantity (Rename it!)"});
            break;
        case QuantityItem::Delete:
            if (kind == NodeKind::Quantity)
                openRemoval(DeleteTarget::TreeNode);
            break;
        case QuantityItem::Properties:
            if (selection.quantity >= 1 && selection.quantity <= table.quantityCount) {
                const Quantity& quantity = table.quantity(selection.quantity);
                openTreeItemDialog(TreeItemMode::EditQuantity, {quantity.icon, quantity.name});
            }
            break;
    }
}

void EditCommands::unitCommand(UnitPopupItem item) {
    const ConversionTable& table = m_context.table;
    const Selection& selection = m_context.session.selection();
    const NodeKind kind = table.kindOf(selection.node);
    const int q = selection.quantity;
    if (!isQuantityKind(kind) || q < 1 || q > table.quantityCount)
        return;
    const bool onUnit = selection.unit >= 1 && selection.unit <= table.quantity(q).unitCount;
    switch (item) {
        case UnitPopupItem::Insert:
            if (auto notice = limitNotice(table, TableItemKind::Unit)) {
                m_context.messages.present(&m_window, *notice);
                return;
            }
            openUnitDialog(UnitDialogMode::Add, newUnitDefaults(unitDialogKind(kind)));
            break;
        case UnitPopupItem::Delete:
            if (onUnit)
                openRemoval(DeleteTarget::Unit);
            break;
        case UnitPopupItem::Properties:
            if (!m_parts.views.unitUnderPress())
                openListProperties();
            else if (onUnit)
                openUnitDialog(UnitDialogMode::Edit,
                               unitForEditing(table, q, selection.unit, unitDialogKind(kind)));
            break;
        default:
            break;
    }
}

void EditCommands::openTreeItemDialog(TreeItemMode mode, const NamedIcon& item) {
    const Selection& selection = m_context.session.selection();
    const int node = selection.node;
    const int q = selection.quantity;
    const bool category = mode == TreeItemMode::NewCategory || mode == TreeItemMode::EditCategory;
    CategoryPropertiesDialog::Input input;
    input.item = item;
    // The constants node's dialog is captioned as a category's, though it edits a quantity.
    input.caption = category || node == m_context.table.constantsNode()
                        ? QStringLiteral(" Category Properties")
                        : QStringLiteral(" Physical Quantity Properties");
    input.family = category ? IconSet::Family::Category : IconSet::Family::Quantity;
    input.helpTopic = category ? kCategoryHelp : kQuantityHelp;
    input.textFont = elementFont(m_context.settings, kDialogTextElement);
    auto* dialog = new CategoryPropertiesDialog(input, m_parts.icons, &m_window);
    connect(dialog, &CategoryPropertiesDialog::helpRequested, this,
            [this, dialog](int topic) { showHelp(*dialog, topic); });
    connect(dialog, &QDialog::accepted, this, [this, dialog, mode, node, q, item] {
        closeMemo();
        m_parts.views.preserveTree();
        afterTreeEdit(acceptTreeItemDialog(m_context.table, mode, node, q, item, dialog->values()));
    });
    show(dialog);
}

void EditCommands::openUnitDialog(UnitDialogMode mode, const UnitItem& unit) {
    const Selection& selection = m_context.session.selection();
    const int q = selection.quantity;
    const int u = selection.unit;
    const UnitDialogKind kind = unitDialogKind(m_context.table.kindOf(selection.node));
    const auto& titles = m_context.settings.headerText;
    const QFont font = elementFont(m_context.settings, kDialogTextElement);
    PropertyPagesDialog* dialog = nullptr;
    std::function<UnitItem()> values;
    if (kind == UnitDialogKind::Constant) {
        auto* constant = new ConstantPropertiesDialog({unit, titles[1], font}, m_parts.icons, &m_window);
        values = [constant] { return constant->values(); };
        dialog = constant;
    } else {
        const bool locked = kind == UnitDialogKind::NumberSystem && mode == UnitDialogMode::Edit;
        auto* unitDialog =
            new UnitPropertiesDialog({unit, locked, titles[0], font}, m_parts.icons, &m_window);
        values = [unitDialog] { return unitDialog->values(); };
        dialog = unitDialog;
    }
    connect(dialog, &PropertyPagesDialog::helpRequested, this,
            [this, dialog](int topic) { showHelp(*dialog, topic); });
    connect(dialog, &QDialog::accepted, this, [this, mode, kind, q, u, unit, values] {
        closeMemo();
        afterUnitEdit(acceptUnitDialog(m_context.table, mode, kind, q, u, unit, values()));
    });
    show(dialog);
}

void EditCommands::openRemoval(DeleteTarget target) {
    const Selection& selection = m_context.session.selection();
    const int node = selection.node;
    const int q = selection.quantity;
    const int u = selection.unit;
    const std::string question = removalQuestion(m_context.table, target, node, q, u);
    if (question.empty())
        return;
    auto* dialog = new RemovalDialog(qt(question), m_parts.icons, &m_window);
    connect(dialog, &QDialog::accepted, this, [this, target, node, q, u] {
        closeMemo();
        if (target == DeleteTarget::TreeNode) {
            m_parts.views.preserveTree();
            afterTreeEdit(deleteTreeItem(m_context.table, node));
        } else if (deleteUnit(m_context.table, q, u)) {
            // The position pressed now holds the next unit, which nobody chose.
            m_context.session.pressUnit(0);
            m_parts.views.refillList(0);
        }
        clearUnits();
    });
    show(dialog);
}

void EditCommands::openListProperties() {
    ConverterSettings& settings = m_context.settings;
    const std::size_t layout = listLayoutOf(m_context.table.kindOf(m_context.session.selection().node));
    const int editable = layout == 2 ? 2 : 4;
    auto* dialog = new ListPropertiesDialog(
        {settings.headerText[layout], editable, elementFont(settings, kDialogTextElement)}, &m_window);
    connect(dialog, &ListPropertiesDialog::helpRequested, this,
            [this, dialog](int topic) { showHelp(*dialog, topic); });
    connect(dialog, &QDialog::accepted, this, [this, dialog, layout, editable] {
        const std::array<std::string, 4> titles = dialog->values();
        for (int c = 0; c < editable; ++c)
            m_context.settings.headerText[layout][static_cast<std::size_t>(c)] =
                titles[static_cast<std::size_t>(c)];
        m_parts.views.resetColumns();
        m_parts.views.refillList(m_context.session.selection().listRow);
    });
    show(dialog);
}

void EditCommands::showDimensions() {
    const TableLimits& limits = m_context.settings.limits;
    const auto check = [this](QWidget& dialog, const std::array<std::string, 3>& texts) {
        const DimensionCheck result = checkDimensions(texts, m_context.table);
        if (result.refusal) {
            m_context.messages.present(&dialog, *result.refusal);
            return result.box;
        }
        // Saved with the settings; the table storage takes them when it is next created.
        m_context.settings.limits = *result.limits;
        return -1;
    };
    show(new DimensionsDialog({limits.maxCategory, limits.maxQuantity, limits.maxUnit}, check,
                              elementFont(m_context.settings, kDialogTextElement), &m_window));
}

void EditCommands::show(QDialog* dialog) {
    openOnTop(*dialog, m_hooks.restoreTopmost);
}

void EditCommands::showHelp(QWidget& dialog, int topic) {
    if (!showHelpFor(dialog, m_context.helpFile, topic))
        m_context.messages.present(&dialog, helpFileMissing(m_context.helpFile));
}

void EditCommands::afterTreeEdit(const EditOutcome& outcome) {
    m_context.messages.presentAll(&m_window, outcome.notices());
    if (outcome)
        m_parts.views.showNode(outcome.value());
}

void EditCommands::afterUnitEdit(const EditOutcome& outcome) {
    m_context.messages.presentAll(&m_window, outcome.notices());
    if (!outcome)
        return;
    m_context.session.pressUnit(outcome.value());
    m_parts.views.refillList(outcome.value());
    clearUnits();
}

void EditCommands::clearUnits() {
    m_parts.boxes.apply(m_context.session.clearUnits());
}

MemoWindow* EditCommands::memoWindow() const {
    return m_memo;
}

void EditCommands::closeMemo() {
    if (m_memo)
        m_memo->close();
}

void EditCommands::showMemo() {
    const ConversionTable& table = m_context.table;
    const Selection& selection = m_context.session.selection();
    const int q = selection.quantity;
    const int u = selection.unit;
    if (q < 1 || q > table.quantityCount || u < 1 || u > table.quantity(q).unitCount)
        return;
    if (m_memo) {
        if (m_memo->quantity() == q && m_memo->unit() == u) {
            m_memo->raise();
            m_memo->activateWindow();
            return;
        }
        m_memo->close();
    }
    const ConverterSettings& settings = m_context.settings;
    MemoWindow::Input input;
    input.unitName = qt(table.unit(q, u).name);
    input.memo = qt(table.unit(q, u).memo);
    input.editable = settings.modify == 1;
    input.size = QSize(m_context.toPixelsX(settings.memoWidth), m_context.toPixelsY(settings.memoHeight));
    input.font = elementFont(settings, kDialogTextElement);
    input.quantity = q;
    input.unit = u;
    m_memo = new MemoWindow(
        input, [this](const MemoWindow& memo) { memoClosed(memo); }, &m_window);
    // Over the unit list, near the main window's top right corner.
    const QRect frame = m_window.frameGeometry();
    m_memo->move(frame.right() - m_memo->width() - 40, frame.top() + 100);
    setStayOnTop(*m_memo, 1);
    m_memo->show();
    m_memo->activateWindow();
}

void EditCommands::memoClosed(const MemoWindow& memo) {
    const bool changed = storeMemo(m_context.table, memo.quantity(), memo.unit(), memo.text().toStdString());
    m_context.settings.memoWidth = m_context.toTwipsX(memo.width());
    m_context.settings.memoHeight = m_context.toTwipsY(memo.height());
    // The unit's picture shows whether it has a memo.
    if (changed && memo.quantity() == m_context.session.selection().quantity)
        m_parts.views.refillList(m_context.session.selection().listRow);
    m_memo = nullptr;
    if (m_hooks.restoreTopmost)
        m_hooks.restoreTopmost();
    m_window.activateWindow();
    m_parts.boxes.input().setFocus();
}

void EditCommands::nodeRenamed(int node, const QString& text) {
    ConversionTable& table = m_context.table;
    if (!renameTreeNode(table, node, m_renamedQuantity, text.toStdString()))
        return;
    // The node shows what the table keeps; the caption follows at once.
    const std::string shown = table.kindOf(node) == NodeKind::Category ? table.category(node - 1).name
                                                                       : quantityNameAtNode(table, node);
    m_parts.views.setNodeText(node, qt(shown));
    if (node == m_context.session.selection().node) {
        m_context.session.nodeRenamed(shown);
        m_parts.views.setMainCaption();
    }
}

void EditCommands::unitRenamed(int unit, const QString& text) {
    ConversionTable& table = m_context.table;
    const int q = m_renamedUnitQuantity;
    if (!renameUnit(table, q, unit, text.toStdString()))
        return;
    m_parts.views.list().setUnitName(unit, qt(table.unit(q, unit).name));
    clearUnits();
}

}  // namespace quantora
