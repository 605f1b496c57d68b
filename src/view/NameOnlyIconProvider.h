#pragma once

#include <QFileIconProvider>

// Icons and type names for the file dialogs taken from names and file kinds only. Qt's own
// provider reads a file's first bytes when its name says nothing, and a read of a special file
// such as /proc/kmsg never returns: the dialog, and with it the editor, would hang for good.
class NameOnlyIconProvider : public QFileIconProvider {
public:
    using QFileIconProvider::icon;
    QIcon icon(const QFileInfo& info) const override;
    QString type(const QFileInfo& info) const override;
};
