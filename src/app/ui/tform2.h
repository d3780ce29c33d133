// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class Interaction;

// The About box: a borderless modal box with the version and the links.
class TForm2 : public QDialog {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    // Links are opened through this; without one a click opens nothing.
    void setInteraction(Interaction* interaction) { m_ui = interaction; }

    // The version panel Panel4, set at start-up.
    void setVersionText(const QString& text);

    QLabel* titleStrip = nullptr;
    QLabel* Panel4 = nullptr;
    QLabel* webLink = nullptr;
    QLabel* mailLink = nullptr;
    QLabel* botLink = nullptr;
    QPushButton* okButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What screen readers call the links: their captions with their targets.
    void nameLinks();
    QLabel* makeLink(QWidget* parent, const char* name, const QString& target);
    void openLink(QLabel* link);
    static void showLinkFocus(QLabel* link, bool focused);

    Interaction* m_ui = nullptr;
};
