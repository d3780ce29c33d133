// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/ui/tabpage.h"
#include "support/scriptedinteraction.h"

#include <QCheckBox>
#include <gtest/gtest.h>

namespace {

// A page wired as the real ones are: connected while it is built, given its seam later.
class FailingPage : public TabPage {
public:
    QCheckBox* box = new QCheckBox(this);
    QList<bool> seen;
    bool failNext = true;

    FailingPage() { connectGuarded(box, &QCheckBox::toggled, this, &FailingPage::boxToggled, guardTarget()); }
    // It holds no setting of a profile.
    void load(const tk::ProfileRead&) override { }
    void store(tk::Profile&) const override { }

private:
    void boxToggled(bool on)
    {
        seen.append(on);
        if (std::exchange(failNext, false))
            throw tk::UserError(QStringLiteral("Cannot open file x.cfg"));
    }
};

// The seam attached after the connect shows the error; the action gets the signal's
// argument; the failed action ends alone and the next one runs.
TEST(ConnectGuarded, ShowsTheErrorAndKeepsThePageWorking)
{
    tk::InstallPaths paths;
    ScriptedInteraction ui;
    FailingPage page;
    page.attach(paths, ui);

    page.box->click();
    EXPECT_EQ(ui.messages, QStringList { QStringLiteral("Cannot open file x.cfg") });
    page.box->click();
    EXPECT_EQ(page.seen, (QList<bool> { true, false }));
    EXPECT_EQ(ui.messages.size(), 1);
}

} // namespace
