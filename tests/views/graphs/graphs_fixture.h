#pragma once

#include "core/options.h"
#include "data/dataset.h"
#include "platform/paths.h"
#include "tests/support/strict_ui.h"
#include "tests/support/tagged_texts.h"
#include "views/graphs/graph_hooks.h"
#include "views/windows/single_window.h"

#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <initializer_list>

// Options with distinct colours, the threshold and its colour set.
OptionsRecord GraphOptions();

struct Xyz {
    float x, y, z;
    double res;
};
// A data set of those samples, one a minute from 9 December 2026 07:44:47.
DataSet MakeSamples(std::initializer_list<Xyz> samples);
DataSet MakeRamp(qint32 count);

// A test of graph window W: tagged texts, the fake UI services, a scratch folder as the
// writable folder, the graph options and no graph hooks; the window is unloaded and the
// program's data set, options and hooks come back afterwards. Each test sets its data set.
template <class W> class GraphWindowTest : public testing::Test {
protected:
    void SetUp() override {
        savedData = CurrentData();
        savedOptions = Options();
        savedHooks = GraphHook();
        GraphHook() = GraphHooks();
        Options() = GraphOptions();
        SetWritableFolderForTests(scratch.path());
    }
    void TearDown() override {
        Window<W>().Unload();
        SetWritableFolderForTests(QString());
        CurrentData() = savedData;
        Options() = savedOptions;
        GraphHook() = savedHooks;
    }
    // The window shown at 900 x 600 and exposed.
    W& Open() {
        W& window = Window<W>().Show();
        window.resize(900, 600);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        return window;
    }

    TaggedTexts texts;
    StrictUi ui;
    QTemporaryDir scratch;
    DataSet savedData;
    OptionsRecord savedOptions;
    GraphHooks savedHooks;
};
