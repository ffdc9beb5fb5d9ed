#include "calculator/ui/custom_functions_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tallix {

namespace {
QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

CustomFunctionsDialog::CustomFunctionsDialog(const std::vector<std::string>& functions,
                                             const QString& calculatorInput, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowStaysOnTopHint),
      m_editor(functions, calculatorInput.toStdString()),
      m_list(new QListWidget(this)),
      m_text(new QLineEdit(this)),
      m_add(new QPushButton(QStringLiteral("&Add"), this)),
      m_remove(new QPushButton(QStringLiteral("&Remove"), this)) {
    setObjectName(QStringLiteral("frmFunction"));
    setWindowTitle(QStringLiteral("Custom Functions"));
    m_list->setObjectName(QStringLiteral("List1"));
    m_list->setAccessibleName(QStringLiteral("Custom functions"));
    m_text->setObjectName(QStringLiteral("txtFunction"));
    m_add->setObjectName(QStringLiteral("cmdAdd"));
    m_remove->setObjectName(QStringLiteral("cmdRemove"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* help = new QPushButton(QStringLiteral("&Help"), this);
    help->setObjectName(QStringLiteral("cmdHelp"));
    auto* label = new QLabel(QStringLiteral("Custom Function Expression:"), this);
    label->setBuddy(m_text);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {ok, cancel, m_add, m_remove, help})
        buttons->addWidget(button);
    buttons->insertSpacing(2, 12);
    buttons->insertSpacing(5, 12);
    buttons->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(m_list, 0, 0);
    grid->addLayout(buttons, 0, 1, 3, 1);
    grid->addWidget(label, 1, 0);
    grid->addWidget(m_text, 2, 0);
    m_list->setMinimumWidth(m_list->fontMetrics().averageCharWidth() * 40);

    for (const std::string& entry : m_editor.entries())
        m_list->addItem(QString::fromStdString(entry));
    m_text->setText(QString::fromStdString(m_editor.text()));
    showEditor();

    const auto select = [this](int row) {
        if (row < 0)
            return;
        m_editor.select(row);
        m_text->setText(qt(m_editor.text()));
        showEditor();
    };
    connect(m_list, &QListWidget::currentRowChanged, this, select);
    connect(m_list, &QListWidget::itemClicked, this,
            [this, select](QListWidgetItem* item) { select(m_list->row(item)); });
    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_editor.setText(text.toStdString());
        showEditor();
    });
    connect(m_add, &QPushButton::clicked, this, [this] {
        const std::size_t before = m_editor.entries().size();
        m_editor.add();
        if (m_editor.entries().size() > before)
            m_list->addItem(qt(m_editor.entries().back()));
        showEditor();
    });
    connect(m_remove, &QPushButton::clicked, this, [this] {
        const int row = m_editor.selected();
        m_editor.remove();
        if (row >= 0) {
            const QSignalBlocker quiet(m_list);
            delete m_list->takeItem(row);
            m_list->setCurrentRow(-1);
        }
        showEditor();
    });
    connect(ok, &QPushButton::clicked, this, [this] {
        m_accepted = m_editor.ok();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, &CustomFunctionsDialog::helpRequested);
    centreOnScreen();
}

void CustomFunctionsDialog::showEditor() {
    m_add->setEnabled(m_editor.addEnabled());
    m_remove->setEnabled(m_editor.removeEnabled());
}

void CustomFunctionsDialog::centreOnScreen() {
    adjustSize();
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : nullptr;
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

}  // namespace tallix
