#pragma once
// The open and save file dialogs behind one small interface, so that a
// window test can answer them the way it answers message boxes.

#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace quantora {

struct FileDialogRequest {
    enum class Kind { Open, Save };
    Kind kind = Kind::Open;
    QString title;
    QString directory;
    QString fileName;
    QStringList nameFilters;
    bool confirmOverwrite = false;
    bool hideReadOnly = false;
    // The first name filter shows only folders and executable files.
    bool executablesOnly = false;
};

class FileChooser {
public:
    virtual ~FileChooser() = default;
    // The chosen path; nothing when the user cancels.
    virtual std::optional<QString> choose(QWidget* parent, const FileDialogRequest& request) = 0;
};

// The real dialogs.
class DialogFileChooser final : public FileChooser {
public:
    std::optional<QString> choose(QWidget* parent, const FileDialogRequest& request) override;
};

}  // namespace quantora
