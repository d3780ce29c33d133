// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "app/ui/interaction.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Shows nothing: a benchmark has no one to answer a message box.
class QuietInteraction : public QtInteraction {
public:
    void showMessage(QWidget*, const QString&) override { }
    int runModal(QDialog*) override { return 0; }
};

// The main of a benchmark of windows: an offscreen application around the runs.
#define TARRAKIND_WIDGET_BENCHMARK_MAIN()                                                                    \
    int main(int argc, char** argv)                                                                          \
    {                                                                                                        \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                             \
        QApplication app(argc, argv);                                                                        \
        benchmark::Initialize(&argc, argv);                                                                  \
        benchmark::RunSpecifiedBenchmarks();                                                                 \
        return 0;                                                                                            \
    }
