#pragma once

#include <QStringList>
#include <QWidget>

class QComboBox;

namespace tk {
struct ExecSettings;
}

// The "Bot &Cfg" tab: the bot list file and the bots that join the next game.
class BotCfgPage : public QWidget {
    Q_OBJECT
public:
    explicit BotCfgPage(QWidget* parent = nullptr);

    // Copies this tab's settings into the record the exec file is made from.
    void gatherExecSettings(tk::ExecSettings& settings) const;

    // The drop-down items of botfilename: the "*.cfg" files of the launcher directory.
    void setBotListFiles(const QStringList& cfgFiles);

    QComboBox* botfilename = nullptr;
};
