#pragma once

#include "app/ui/interaction.h"

#include <QDialog>
#include <QUrl>

// Shows nothing and records what would have been shown or opened; answers are scripted.
class RecordingInteraction : public Interaction {
public:
    QStringList messages;
    QList<QUrl> openedUrls;
    QList<QDialog*> modalDialogs;
    int modalResult = QDialog::Rejected;

    void showMessage(QWidget*, const QString& text) override { messages << text; }
    QString prompt(QWidget*, const QString&, const QString&, const QString& proposed, bool* accepted) override
    {
        if (accepted)
            *accepted = false;
        return proposed;
    }
    QString openFileName(QWidget*, const QString&) override { return {}; }
    std::optional<QColor> chooseColor(QWidget*, const QColor&) override { return std::nullopt; }
    int runModal(QDialog* dialog) override
    {
        modalDialogs << dialog;
        return modalResult;
    }
    bool startDetached(const QString&, const QStringList&, const QString&) override { return true; }
    void openUrl(const QUrl& url) override { openedUrls << url; }
};
