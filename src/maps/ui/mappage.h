#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>

class QLabel;
class QListWidget;

namespace tk {
struct ExecSettings;
}

// The "&Map" tab: the map catalogue and the map rotation.
class MapPage : public QWidget {
    Q_OBJECT
public:
    explicit MapPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    // The rotation list's entries, bytes exact, and the rotation file name.
    QList<QByteArray> rotationEntries() const;
    QString rotationFileName() const;

    QListWidget* ListBox3 = nullptr; // rotation list
    QLabel* Panel24 = nullptr; // rotation file name
};
